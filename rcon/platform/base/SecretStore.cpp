// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/base/SecretStore.h"

#include <qt6keychain/keychain.h>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <optional>

#include "platform/base/TextCodec.h"

namespace platform {
namespace {

using rcon::SecretResult;
using Status = SecretResult::Status;

std::string detail(const QKeychain::Job& job) {
  const QString text = job.errorString().trimmed();
  return text.isEmpty() ? std::string() : " (" + text.toStdString() + ")";
}

SecretResult resultOf(const QKeychain::Job& job) {
  switch (job.error()) {
    case QKeychain::NoError: {
      const auto* read = qobject_cast<const QKeychain::ReadPasswordJob*>(&job);
      // The password is the server's 8-bit text; the store keeps it as Unicode text.
      return {Status::Ok, read ? FromQString(read->textData()) : std::string(), {}};
    }
    case QKeychain::EntryNotFound:
      return {Status::NotFound, {}, "No password is stored for this server."};
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
    case QKeychain::OtherError:  // mostly D-Bus: no session bus, no service behind the name
      return {Status::NoStore,
              {},
              "No secret store answered: the desktop's keyring or wallet is not running or "
              "cannot be reached" +
                  detail(job) + "."};
    case QKeychain::AccessDenied:
    case QKeychain::AccessDeniedByUser:
    case QKeychain::CouldNotDeleteEntry:
      break;
  }
  return {Status::Failed, {}, "The secret store refused" + detail(job) + "."};
}

SecretResult timedOut(int timeoutMs) {
  return {
      Status::NoStore,
      {},
      "No secret store answered within " + std::to_string((timeoutMs + 999) / 1000) + " seconds."};
}

}  // namespace

SecretStore::SecretStore(int timeoutMs, QObject* parent) : QObject(parent), timeoutMs_(timeoutMs) {}

void SecretStore::readPassword(const std::string& serverName, Done done) {
  start(Operation::Read, serverName, {}, timeoutMs_, std::move(done));
}

void SecretStore::writePassword(const std::string& serverName, const std::string& password,
                                Done done) {
  start(Operation::Write, serverName, password, timeoutMs_, std::move(done));
}

void SecretStore::deletePassword(const std::string& serverName, Done done) {
  start(Operation::Delete, serverName, {}, timeoutMs_, std::move(done));
}

void SecretStore::start(Operation operation, const std::string& serverName,
                        const std::string& password, int timeoutMs, Done done) {
  QKeychain::Job* job = nullptr;
  switch (operation) {
    case Operation::Read:
      job = new QKeychain::ReadPasswordJob(kService);
      break;
    case Operation::Write: {
      auto* write = new QKeychain::WritePasswordJob(kService);
      write->setTextData(ToQString(password));
      job = write;
      break;
    }
    case Operation::Delete:
      job = new QKeychain::DeletePasswordJob(kService);
      break;
  }
  job->setAutoDelete(true);  // the job outlives a timeout, and then deletes itself
  job->setInsecureFallback(false);
  job->setKey(QString::fromStdString(serverName));  // names are UTF-8

  // Whichever comes first, the job's answer or the timeout, answers once. The timer is the
  // connections' context: deleting it (or the store) drops the other path.
  auto* timer = new QTimer(this);
  timer->setSingleShot(true);
  auto pending = std::make_shared<Done>(std::move(done));
  auto answer = [pending, timer](const SecretResult& result) {
    if (!*pending) return;
    const Done callback = std::move(*pending);
    *pending = nullptr;
    timer->deleteLater();
    callback(result);
  };
  connect(job, &QKeychain::Job::finished, timer,
          [answer](QKeychain::Job* finished) { answer(resultOf(*finished)); });
  connect(timer, &QTimer::timeout, timer, [answer, timeoutMs] { answer(timedOut(timeoutMs)); });
  timer->start(timeoutMs);
  job->start();  // queued: the answer never comes inside this call
}

SecretResult SecretStore::wait(Operation operation, const std::string& serverName,
                               const std::string& password, int timeoutMs) {
  QEventLoop loop;
  auto result = std::make_shared<std::optional<SecretResult>>();
  start(operation, serverName, password, timeoutMs, [result, &loop](const SecretResult& r) {
    *result = r;
    loop.quit();
  });
  if (!*result) loop.exec();
  return **result;
}

SecretResult SecretStore::readPasswordBlocking(const std::string& serverName, int timeoutMs) {
  return wait(Operation::Read, serverName, {}, timeoutMs);
}

SecretResult SecretStore::writePasswordBlocking(const std::string& serverName,
                                                const std::string& password, int timeoutMs) {
  return wait(Operation::Write, serverName, password, timeoutMs);
}

SecretResult SecretStore::deletePasswordBlocking(const std::string& serverName, int timeoutMs) {
  return wait(Operation::Delete, serverName, {}, timeoutMs);
}

}  // namespace platform
