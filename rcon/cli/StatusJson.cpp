#include "cli/StatusJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/CliArguments.h"
#include "platform/base/TextCodec.h"

namespace cli {
namespace {

// Far inside the range a JSON number holds exactly.
constexpr std::int64_t kLargestNumber = 999999999999LL;

QJsonValue Number(const std::string& text) {
  const bool negative = text.starts_with('-');
  const std::optional<std::int64_t> value =
      rcon::ParseWholeNumber(std::string_view(text).substr(negative ? 1 : 0), 0, kLargestNumber);
  if (!value) return platform::ToQString(text);
  return static_cast<double>(negative ? -*value : *value);
}

}  // namespace

QByteArray StatusJson(const rcon::StatusReply& reply) {
  QJsonObject settings;
  for (const auto& [name, value] : reply.settings) {
    settings.insert(platform::ToQString(name), platform::ToQString(value));
  }
  QJsonArray players;
  for (const rcon::StatusPlayer& player : reply.players) {
    players.append(QJsonObject{
        {QStringLiteral("score"), Number(player.score)},
        {QStringLiteral("ping"), Number(player.ping)},
        {QStringLiteral("team"),
         player.team ? QJsonValue(platform::ToQString(*player.team)) : QJsonValue()},
        {QStringLiteral("name"), platform::ToQString(player.name)},
    });
  }
  const QJsonObject root{{QStringLiteral("settings"), settings},
                         {QStringLiteral("players"), players}};
  return QJsonDocument(root).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace cli
