#include "report/format/report_metric_writer.h"

#include <charconv>

#include "report/format/report_text.h"

namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kUtf8C1Lead = 0xC2;  // U+0080 to U+009F are C2 80 to C2 9F
constexpr unsigned char kLastC1Trail = 0x9F;

template <typename T>
void AppendNumber(std::string& out, T value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

}  // namespace

void AppendLabelValue(std::string& out, std::string_view bytes) {
  const std::string utf8 = ToUtf8(bytes);
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '"') {
      out += "\\\"";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < kFirstPrintable || c == kDelete) {
      out += '?';
    } else if (c == kUtf8C1Lead && i + 1 < utf8.size() &&
               static_cast<unsigned char>(utf8[i + 1]) <= kLastC1Trail) {
      out += '?';
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
}

void MetricWriter::Gauge(std::string_view name, std::string_view help) {
  name_ = name;
  help_ = help;
  headerWritten_ = false;
}

void MetricWriter::BeginSample(std::initializer_list<MetricLabel> labels) {
  if (!headerWritten_) {
    out_.append("# HELP ").append(name_).append(" ").append(help_).append("\n");
    out_.append("# TYPE ").append(name_).append(" gauge\n");
    headerWritten_ = true;
  }
  out_.append(name_);
  char separator = '{';
  for (const MetricLabel& label : labels) {
    if (label.value.empty()) continue;
    out_ += separator;
    out_.append(label.name).append("=\"");
    AppendLabelValue(out_, label.value);
    out_ += '"';
    separator = ',';
  }
  if (separator == ',') out_ += '}';
  out_ += ' ';
}

void MetricWriter::Sample(std::initializer_list<MetricLabel> labels, uint64_t value) {
  BeginSample(labels);
  AppendNumber(out_, value);
  out_ += '\n';
}

void MetricWriter::SignedSample(int64_t value) {
  BeginSample({});
  AppendNumber(out_, value);
  out_ += '\n';
}
