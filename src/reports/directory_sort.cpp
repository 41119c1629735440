#include "reports/directory_sort.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

#include "common/message.h"
#include "common/paths.h"
#include "common/shared_procedures.h"

namespace vtn {
namespace {
const QString kExtension = QStringLiteral(".rpt");
const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
}  // namespace

QString& DirectorySort::TxtsaveTag() {
  static QString tag;
  return tag;
}

std::function<void(DirectorySort&)>& DirectorySort::driver() {
  static std::function<void(DirectorySort&)> d;
  return d;
}

DirectorySort::DirectorySort(const TextControl& report, QWidget* parent) : QDialog(parent), report_(report) {
  setWindowTitle(QStringLiteral("Save Report"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Report files in %1:").arg(QDir::toNativeSeparators(DataBasesFolder())), this));
  File1 = new ListBox(true, this);
  File1->setMinimumHeight(160);
  layout->addWidget(File1);
  layout->addWidget(new QLabel(QStringLiteral("File name:"), this));
  Txtsave = new TextBox(this);
  Txtsave->Tag = TxtsaveTag();
  Txtsave->setText(Txtsave->Tag);
  layout->addWidget(Txtsave);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (SaveReport()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  File1->onClick = [this] {
    QString name = File1->Text();
    if (name.endsWith(kExtension)) name.chop(kExtension.size());
    Txtsave->setText(name);
  };
  fillFileList();
  resize(420, 340);
}

void DirectorySort::fillFileList() {
  File1->Clear();
  const QStringList files = QDir(DataBasesFolder()).entryList({QStringLiteral("*") + kExtension}, QDir::Files);
  for (const QString& f : files) File1->AddItem(f);
}

bool DirectorySort::SaveReport() {
  QString name = Txtsave->Text().trimmed();
  if (name.endsWith(kExtension, Qt::CaseInsensitive)) name.chop(kExtension.size());
  if (name.isEmpty()) {
    MsgBox(QStringLiteral("Please type a name for the report file."));
    return false;
  }
  for (QChar c : name) {
    if (kForbidden.contains(c) || c.unicode() < 32) {
      MsgBox(QStringLiteral("A report file name cannot contain any of the characters \\ / : * ? \" < > |"));
      return false;
    }
  }
  const QString path = DataBasesPath(name + kExtension);
  if (QFileInfo::exists(path) &&
      MsgBox(QStringLiteral("The report file \"%1\" already exists. Replace it?").arg(name + kExtension), QString(), vbYesNo) != vbYes) {
    return false;
  }
  if (!SaveTextToFile(path, report_)) {
    MsgBox(QStringLiteral("The report could not be saved: \"%1\" cannot be written.").arg(QDir::toNativeSeparators(path)));
    return false;
  }
  return true;
}

void DirectorySort::run() {
  if (driver()) {
    driver()(*this);
    return;
  }
  exec();
}

}  // namespace vtn
