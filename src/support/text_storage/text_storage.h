#pragma once
// Replaceable texts a window carries: code asks for a text by its original wording (the key) and
// gets the current text at the same position, so a translated item list changes what the window
// shows without touching the code.
#include <string>
#include <vector>

class TTextStorage {
 public:
  TTextStorage();

  // The current texts, in a fixed order.
  std::vector<std::string>& Items();
  const std::vector<std::string>& Items() const;

  // Run-time assignment: replaces the current texts and leaves the keys alone.
  void SetItems(const std::vector<std::string>& items);

  // Called once the owner has filled Items: the keys become a copy of them.
  void Loaded();

  // The current text for the key (compared ignoring case by the user's locale), or the key
  // itself when no key matches, when the text is "unused", or when the current list is shorter
  // than the keys and has no text at the key's position.
  std::string GetText(const std::string& key) const;

 private:
  std::vector<std::string> FKeys;
  std::vector<std::string> FItems;
};

// Whole-string comparison ignoring letter case by the user's locale (platform part).
bool TextEqualsIgnoreCase(const std::string& a, const std::string& b);
