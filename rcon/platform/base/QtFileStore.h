// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files through Qt: whole-file reads, and writes that replace the file in one step (QSaveFile).
#include "core/Services.h"

namespace platform {

class QtFileStore final : public rcon::FileStore {
 public:
  rcon::ReadResult read(const std::string& path, std::uint64_t maxBytes) override;
  rcon::WriteResult write(const std::string& path, std::string_view bytes) override;
  rcon::WriteResult append(const std::string& path, std::string_view bytes) override;
};

}  // namespace platform
