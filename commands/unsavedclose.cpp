#include "unsavedclose.h"

#include "core/filewrite.h"
#include "core/notifier.h"

#include <QCoreApplication>

namespace unsavedclose {

bool askToCloseWithoutSaving(QWidget *tool, const FileWrite &failed)
{
    const QString text = failed.problem(QCoreApplication::translate("unsavedclose", "open file fail: "))
                         + QLatin1Char('\n')
                         + QCoreApplication::translate("unsavedclose", "是否不保存直接关闭?");
    return Notifier::warningQuestion(tool, QCoreApplication::translate("unsavedclose", "提示"), text,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

} // namespace unsavedclose
