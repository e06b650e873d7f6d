// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// vortane-rcon run while the test's own event loop serves the answering fakes, and its JSON
// output checked against docs/vortane-rcon.schema.json. Every wait has a timeout.
#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

namespace clitest {

struct Result {
  int code = -1;  // -1: the program crashed or had to be killed
  QByteArray out, err;
};

// environment: variables to set; a value of null removes one. VORTANE_RCON_PASSWORD and
// NO_COLOR are removed unless given.
inline Result serve(const QStringList& arguments, const QMap<QString, QString>& environment = {},
                    const QByteArray& input = {}, const QString& outputFile = {}) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("VORTANE_RCON_PASSWORD"));
  env.remove(QStringLiteral("NO_COLOR"));
  for (auto it = environment.begin(); it != environment.end(); ++it) {
    if (it.value().isNull()) {
      env.remove(it.key());
    } else {
      env.insert(it.key(), it.value());
    }
  }
  QProcess cli;
  cli.setProcessEnvironment(env);
  if (!outputFile.isEmpty()) cli.setStandardOutputFile(outputFile);
  cli.start(QStringLiteral(RCON_BINARY_DIR "/vortane-rcon"), arguments);
  cli.write(input);
  cli.closeWriteChannel();
  QDeadlineTimer deadline(20000);
  while (cli.state() != QProcess::NotRunning && !deadline.hasExpired()) QTest::qWait(5);
  Result result;
  if (cli.state() != QProcess::NotRunning) {
    cli.kill();
    cli.waitForFinished(2000);
  } else if (cli.exitStatus() == QProcess::NormalExit) {
    result.code = cli.exitCode();
  }
  result.out = cli.readAllStandardOutput();
  result.err = cli.readAllStandardError();
  return result;
}

// Empty when every line is one JSON value the schema allows; else what is wrong.
inline QString schemaErrors(const QByteArray& jsonLines) {
  static const char* const script = R"(
import json, sys, jsonschema
validator = jsonschema.Draft202012Validator(json.load(open(sys.argv[1])))
lines = [l for l in sys.stdin.read().splitlines() if l.strip()]
if not lines: sys.exit("no JSON line")
for line in lines:
    for error in validator.iter_errors(json.loads(line)):
        print(line, "->", error.message); sys.exit(1)
)";
  QProcess python;
  python.setProcessChannelMode(QProcess::MergedChannels);
  python.start(QStringLiteral("python3"),
               {QStringLiteral("-c"), QString::fromLatin1(script),
                QStringLiteral(RCON_SOURCE_DIR "/docs/vortane-rcon.schema.json")});
  python.write(jsonLines);
  python.closeWriteChannel();
  if (!python.waitForFinished(30000)) return QStringLiteral("the validator did not finish");
  if (python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0) return {};
  return QString::fromUtf8(python.readAll());
}

}  // namespace clitest
