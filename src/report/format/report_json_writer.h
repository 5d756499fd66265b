#pragma once
// JSON written straight into a string, laid out as the report has always been: two spaces of
// indent, "key": value, empty containers as {} and [], and DEL and the C1 controls escaped
// as well as the C0 ones, so a terminal showing the output obeys none of them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  // The member name of the value that follows; text must be UTF-8.
  void Key(std::string_view name);

  void String(std::string_view utf8);
  void Int(int64_t v);
  void UInt(uint64_t v);
  void Real(double v);
  void Bool(bool v);
  void Null();

  template <typename T>
  void IntOrNull(const std::optional<T>& v) {
    v ? Int(*v) : Null();
  }

 private:
  void Open(char bracket);
  void Close(char bracket);
  void BeforeValue();
  void LineBreak(bool comma);  // before a member or element, or before a closing bracket
  void Escaped(std::string_view utf8);

  std::string& out_;
  int depth_ = 0;
  bool empty_ = false;     // the container just opened has nothing in it yet
  bool afterKey_ = false;  // the value completes a member
};
