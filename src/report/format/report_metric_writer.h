#pragma once
// Gauges in the Prometheus text exposition format 0.0.4, written straight into a string: every
// family with its # HELP and # TYPE lines, its samples together, no sample time stamps.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// One label; an empty value leaves the label out. Values may be any bytes: they are written as
// UTF-8 (as the JSON report converts them) and escaped.
struct MetricLabel {
  std::string_view name;
  std::string_view value;
};

class MetricWriter {
 public:
  explicit MetricWriter(std::string& out) : out_(out) {}

  // The family the following samples belong to. Its # HELP and # TYPE lines come with its first
  // sample: a family whose values are all unknown leaves no trace.
  void Gauge(std::string_view name, std::string_view help);

  void Sample(std::initializer_list<MetricLabel> labels, uint64_t value);
  void Sample(uint64_t value) { Sample({}, value); }
  void SignedSample(int64_t value);

 private:
  void BeginSample(std::initializer_list<MetricLabel> labels);

  std::string& out_;
  std::string_view name_, help_;
  bool headerWritten_ = false;
};

// A label value as the format carries it: UTF-8, '\' '"' and newline escaped, and the other
// control characters shown as '?' so that a terminal showing the metrics obeys none of them.
void AppendLabelValue(std::string& out, std::string_view bytes);
