#pragma once
// Runs a command-line tool of the build and keeps what it answered: the exit
// status (-1 when it did not end), standard output read as a JSON object and
// standard error as text.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

namespace vyr::test {

struct TToolRun {
  int status = -1;
  QJsonObject json;
  QString errors;
};

inline TToolRun RunJsonTool(const QString& program, const QStringList& args) {
  QProcess tool;
  tool.start(program, args);
  TToolRun run;
  if (!tool.waitForFinished(30000)) return run;
  run.status = tool.exitCode();
  run.json = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
  run.errors = QString::fromUtf8(tool.readAllStandardError());
  return run;
}

}  // namespace vyr::test
