// csv2dat <in.csv> <out.dat> dmy|mdy: builds a database file from a draw history.
// The database appears whole or not at all: it is written to a temporary file and renamed.
#include <QFile>

#include <cstdio>

#include "database/csv_import.h"
#include "database/database_file.h"

namespace {
int failWith(const QString& message) {
  std::fprintf(stderr, "csv2dat: %s\n", qPrintable(message));
  return 1;
}
}  // namespace

int main(int argc, char** argv) {
  const std::optional<vtn::DateOrder> order =
      argc == 4 ? vtn::DateOrderFromName(QString::fromLatin1(argv[3])) : std::nullopt;
  if (!order) {
    std::fprintf(stderr, "usage: csv2dat <in.csv> <out.dat> dmy|mdy\n");
    return 2;
  }
  const QString inPath = QFile::decodeName(argv[1]);
  const QString outPath = QFile::decodeName(argv[2]);

  QFile in(inPath);
  if (!in.open(QIODevice::ReadOnly)) return failWith(QStringLiteral("%1: %2").arg(inPath, in.errorString()));
  const vtn::CsvImport import = vtn::DrawsFromCsv(in.readAll(), *order);
  if (!import.ok()) return failWith(QStringLiteral("%1: %2").arg(inPath, import.error));

  QString error;
  if (!vtn::WriteDatabaseFile(outPath, import.draws, &error))
    return failWith(QStringLiteral("%1: %2").arg(outPath, error));
  return 0;
}
