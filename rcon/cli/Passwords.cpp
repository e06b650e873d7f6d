// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Passwords.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <cerrno>
#include <cstring>

#include "cli/Output.h"
#include "core/CliArguments.h"
#include "platform/base/TextCodec.h"

namespace cli {
namespace {

constexpr const char* kPasswordVariable = "VORTANE_RCON_PASSWORD";
constexpr std::size_t kMaxPasswordFileBytes = std::size_t{64} * 1024;
constexpr int kCommandTimeoutMs = 60000;

// Reads up to the first line end, so that a pipe or a FIFO works as well as a file.
PasswordResult readPasswordFile(const QString& path) {
  const std::string name = platform::PathFromQString(path);
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return {std::nullopt, "cannot read the password file " + name + ": " + std::strerror(errno)};
  }
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      (info.st_mode & (S_IRGRP | S_IROTH)) != 0) {
    note("the password file " + name + " can be read by other users (chmod 600 " + name + ")");
  }
  std::string bytes;
  char buffer[4096];
  while (bytes.size() < kMaxPasswordFileBytes && bytes.find('\n') == std::string::npos) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      std::string error = "cannot read the password file " + name + ": ";
      error += std::strerror(errno);
      ::close(fd);
      return {std::nullopt, error};
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  const std::string password = rcon::passwordFromFile(bytes);
  if (password.empty()) return {std::nullopt, "the password file " + name + " holds no password"};
  return {scriptBytes(QByteArray::fromStdString(password)), {}};
}

PasswordResult runPasswordCommand(const rcon::SavedServer& server, const std::string& command) {
  const std::optional<std::vector<std::string>> words = rcon::splitWords(command);
  const std::string what = "the password command of @" + server.name;
  if (!words || words->empty())
    return {std::nullopt, what + " cannot be read (a quote left open?)"};
  QStringList arguments;
  for (std::size_t i = 1; i < words->size(); ++i) arguments << QString::fromStdString((*words)[i]);
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.setInputChannelMode(QProcess::ForwardedInputChannel);
  process.start(QString::fromStdString(words->front()), arguments);
  if (!process.waitForStarted()) {
    return {std::nullopt, what + " did not start: " + process.errorString().toStdString()};
  }
  if (!process.waitForFinished(kCommandTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return {std::nullopt, what + " did not finish within 60 s"};
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    return {std::nullopt,
            what + " failed (exit status " + std::to_string(process.exitCode()) + ")"};
  }
  const std::string password =
      rcon::passwordFromFile(process.readAllStandardOutput().toStdString());
  if (password.empty()) return {std::nullopt, what + " printed no password"};
  return {scriptBytes(QByteArray::fromStdString(password)), {}};
}

}  // namespace

PasswordResult sharedPassword(const PasswordChoice& choice) {
  if (choice.typed && choice.file)
    return {std::nullopt, "-p and --password-file exclude each other"};
  if (choice.file) return readPasswordFile(*choice.file);
  if (choice.typed) {
    if (isatty(STDERR_FILENO) == 1) {
      note(
          "other users of this machine can see -p in the process list; prefer --password-file "
          "or VORTANE_RCON_PASSWORD");
    }
    return {platform::FromQString(*choice.typed), {}};
  }
  const QByteArray environment = qgetenv(kPasswordVariable);
  if (!environment.isEmpty()) return {scriptBytes(environment), {}};
  return {};
}

PasswordResult serverPassword(const rcon::ResolvedTarget& target, SecretSource* secrets) {
  const std::string missing =
      "no password for " + target.label + ": give -p, --password-file or VORTANE_RCON_PASSWORD";
  if (!target.saved) return {std::nullopt, missing};
  if (secrets != nullptr) {
    if (std::optional<std::string> secret = secrets->secret(target.saved->name)) {
      return {std::move(secret), {}};
    }
  }
  const auto command = target.saved->options.find(rcon::kPasswordCommandOption);
  if (command != target.saved->options.end() && !command->second.empty()) {
    return runPasswordCommand(*target.saved, command->second);
  }
  return {std::nullopt, missing + ", or save one for it"};
}

}  // namespace cli
