// SPDX-License-Identifier: GPL-3.0-or-later
// The console's file loader and layout: a file of any bytes opened into the console, then laid
// out at several widths, with appends after it. Checks that every byte is kept and that the rows
// account for every line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/ConsoleDocument.h"
#include "core/ConsoleRows.h"
#include "core/TextFile.h"

namespace {

struct Store final : rcon::FileStore {
  std::string bytes;
  rcon::ReadResult read(const std::string&, std::uint64_t maxBytes) override {
    if (bytes.size() > maxBytes) return {rcon::ReadResult::Status::TooLarge, {}, "too large"};
    return {rcon::ReadResult::Status::Ok, bytes, {}};
  }
  rcon::WriteResult write(const std::string&, std::string_view data) override {
    bytes.assign(data);
    return {true, {}};
  }
};
struct Dialog final : rcon::FileDialogService {
  std::optional<std::string> showOpen(const rcon::FileDialogRequest&) override { return "f"; }
  std::optional<std::string> showSave(const rcon::FileDialogRequest&) override { return "f"; }
};
struct Boxes final : rcon::MessageBoxService {
  rcon::MsgAnswer show(const rcon::MessageBoxRequest&) override { return rcon::MsgAnswer::No; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  rcon::Console console;
  Store store;
  store.bytes = input;
  Dialog dialog;
  Boxes boxes;
  rcon::ConsoleDocument document(console, boxes, dialog, store);
  if (!document.open() || console.buffer.text() != input) std::abort();

  rcon::ConsoleRows rows(console.buffer, 1 + (size % 97));
  rows.sync();
  console.append(input.substr(0, size / 2));
  rows.sync();
  for (std::uint64_t columns : {1u, 7u, 80u}) {
    rows.setColumns(columns);
    std::uint64_t total = 0;
    for (std::size_t line = 0; line < console.buffer.lineCount(); ++line) {
      if (rows.firstRowOf(line) != total) std::abort();
      total += rows.rowsOf(line);
    }
    if (total != rows.rowCount()) std::abort();
    const std::uint64_t last = rows.rowCount() - 1;
    (void)rows.cellsOf(last, 0, console.buffer.size());
    (void)rows.caretAt(last / 2, columns);
  }

  // Saving what was opened writes it back unchanged, with at most one CR LF added.
  document.save();
  if (store.bytes != rcon::textFileBytes(console.buffer.text())) std::abort();
  return 0;
}
