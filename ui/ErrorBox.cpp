#include "ErrorBox.h"

#include "CoreTexts.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QMessageBox>

QString errorSentence(const GameText& message) {
    return QCoreApplication::translate("ErrorBox", "%1。").arg(CoreTexts::shown(message));
}

void showErrorBox(const GameText& message, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, CoreTexts::shown(Texts::Caption), errorSentence(message),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
