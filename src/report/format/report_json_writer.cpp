#include "report/format/report_json_writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include <nlohmann/json.hpp>

namespace {

constexpr int kIndentWidth = 2;
// A comma, a line break and an indent deeper than the report's, cut to size for each break
// instead of appended piece by piece. Deeper nesting appends the rest of its indent.
constexpr std::string_view kBreak =
    ",\n                                                                ";
constexpr size_t kCommaBreak = 2;  // ",\n"
// Member names up to this length that need no escape are written with one append.
constexpr size_t kShortKey = 64;
constexpr unsigned char kUtf8C1Lead = 0xC2;  // U+0080 to U+009F are C2 80 to C2 9F
constexpr unsigned char kDelete = 0x7F;

// Bytes the escaping loop must look at: C0 controls, quote, backslash, DEL, and the lead byte
// of U+0080 to U+00FF (whose C1 part is escaped). Everything else is copied as it is.
struct AttentionTable {
  bool byte[256] = {};
  constexpr AttentionTable() {
    for (int b = 0; b < 0x20; ++b) byte[b] = true;
    byte[static_cast<unsigned char>('"')] = byte[static_cast<unsigned char>('\\')] = true;
    byte[kDelete] = byte[kUtf8C1Lead] = true;
  }
};
constexpr AttentionTable kAttention;

char ShortEscape(unsigned char b) {
  switch (b) {
    case '"': return '"';
    case '\\': return '\\';
    case '\b': return 'b';
    case '\f': return 'f';
    case '\n': return 'n';
    case '\r': return 'r';
    case '\t': return 't';
    default: return 0;
  }
}

void AppendUnicodeEscape(std::string& out, unsigned code) {
  static const char kHex[] = "0123456789abcdef";
  out += "\\u00";
  out += kHex[code >> 4];
  out += kHex[code & 0xF];
}

template <typename T>
void AppendNumber(std::string& out, T v) {
  char buf[24];
  auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
  out.append(buf, end);
}

}  // namespace

void JsonWriter::Open(char bracket) {
  BeforeValue();
  out_ += bracket;
  ++depth_;
  empty_ = true;
}

void JsonWriter::Close(char bracket) {
  --depth_;
  if (!empty_) LineBreak(false);
  out_ += bracket;
  empty_ = false;
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (depth_ == 0) return;
  LineBreak(!empty_);
  empty_ = false;
}

void JsonWriter::LineBreak(bool comma) {
  const std::string_view from = kBreak.substr(comma ? 0 : 1);
  const size_t lead = comma ? kCommaBreak : kCommaBreak - 1;
  const size_t indent = static_cast<size_t>(depth_) * kIndentWidth;
  const size_t cut = std::min(indent, from.size() - lead);
  out_.append(from.data(), lead + cut);
  if (indent > cut) out_.append(indent - cut, ' ');
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  afterKey_ = true;
  const bool plain = std::none_of(name.begin(), name.end(),
                                  [](char c) { return kAttention.byte[static_cast<unsigned char>(c)]; });
  if (plain && name.size() <= kShortKey) {
    char text[kShortKey + 4];
    text[0] = '"';
    std::memcpy(text + 1, name.data(), name.size());
    std::memcpy(text + 1 + name.size(), "\": ", 3);
    out_.append(text, name.size() + 4);
    return;
  }
  Escaped(name);
  out_ += ": ";
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  Escaped(utf8);
}

void JsonWriter::Int(int64_t v) {
  BeforeValue();
  AppendNumber(out_, v);
}

void JsonWriter::UInt(uint64_t v) {
  BeforeValue();
  AppendNumber(out_, v);
}

// Rare (only a fixture holds reals): the JSON library's shortest round-trip form, as before.
void JsonWriter::Real(double v) {
  BeforeValue();
  out_ += nlohmann::json(v).dump();
}

void JsonWriter::Bool(bool v) {
  BeforeValue();
  out_ += v ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

void JsonWriter::Escaped(std::string_view utf8) {
  out_ += '"';
  const auto* begin = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* end = begin + utf8.size();
  const auto* plain = begin;  // start of the bytes not yet copied
  for (const auto* p = begin; p < end; ++p) {
    const unsigned char b = *p;
    if (!kAttention.byte[b]) continue;
    const bool c1 = b == kUtf8C1Lead && p + 1 < end && (p[1] & 0xE0) == 0x80;
    if (b >= 0x20 && b != '"' && b != '\\' && b != kDelete && !c1) continue;
    out_.append(reinterpret_cast<const char*>(plain), static_cast<size_t>(p - plain));
    if (c1) {
      AppendUnicodeEscape(out_, *++p);
    } else if (char e = ShortEscape(b)) {
      out_ += '\\';
      out_ += e;
    } else {
      AppendUnicodeEscape(out_, b);
    }
    plain = p + 1;
  }
  out_.append(reinterpret_cast<const char*>(plain), static_cast<size_t>(end - plain));
  out_ += '"';
}
