# Wine prefixes that a person looks at (make run, scripts/screenshots) all get the same faces:
# Wine's own Tahoma, MS Sans Serif and Marlett (the caption buttons), which the windows were laid
# out with. Debian's Wine looks for them only in the prefix's Fonts folder; without them labels
# are cut and the caption buttons read "0 1 r". The test prefix keeps Wine's defaults.

# Makes the prefix if needed and copies the faces into it. Usage: give_prefix_wine_fonts PREFIX
give_prefix_wine_fonts() {
  local prefix=$1
  scripts/wine-run --prefix "$prefix"
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
}

# A Windows path for a Linux file (Wine maps the Linux root to drive Z:).
windows_path() { echo "Z:$(realpath "$1")" | tr / '\\'; }
