// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ConsoleBuffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace rcon {

ConsoleBuffer::ConsoleBuffer() : lineStarts_{0} {}

void ConsoleBuffer::append(std::string_view bytes) {
  if (bytes.empty()) return;
  const std::size_t from = text_.size();
  text_.append(bytes);
  indexFrom(from);
  ++revision_;
}

void ConsoleBuffer::assign(std::string bytes) {
  text_ = std::move(bytes);
  lineStarts_.assign(1, 0);
  indexFrom(0);
  ++revision_;
  ++generation_;
}

void ConsoleBuffer::clear() {
  text_.clear();
  text_.shrink_to_fit();
  lineStarts_.assign(1, 0);
  lineStarts_.shrink_to_fit();
  ++revision_;
  ++generation_;
}

void ConsoleBuffer::dropFront(std::size_t bytes) {
  bytes = std::min(bytes, text_.size());
  if (bytes == 0) return;
  text_.erase(0, bytes);
  // The lines that started inside the dropped bytes go; the others move down.
  auto firstKept = std::lower_bound(lineStarts_.begin(), lineStarts_.end(), bytes);
  std::vector<std::size_t> kept{0};
  for (auto it = firstKept; it != lineStarts_.end(); ++it) {
    if (*it > bytes) kept.push_back(*it - bytes);
  }
  lineStarts_ = std::move(kept);
  ++revision_;
  ++generation_;
}

void ConsoleBuffer::indexFrom(std::size_t offset) {
  const char* data = text_.data();
  const std::size_t size = text_.size();
  while (offset < size) {
    const void* found = std::memchr(data + offset, '\n', size - offset);
    if (found == nullptr) break;
    offset = static_cast<std::size_t>(static_cast<const char*>(found) - data) + 1;
    lineStarts_.push_back(offset);
  }
}

std::string_view ConsoleBuffer::line(std::size_t line) const {
  const std::size_t start = lineStarts_[line];
  std::size_t end = line + 1 < lineStarts_.size() ? lineStarts_[line + 1] - 1 : text_.size();
  if (end > start && line + 1 < lineStarts_.size() && text_[end - 1] == '\r') --end;
  return std::string_view(text_).substr(start, end - start);
}

}  // namespace rcon
