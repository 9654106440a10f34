#include "ErrorBox.h"

#include "Texts.h"

#include <QMessageBox>

void showErrorBox(const std::string& message, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(Texts::Caption),
                    QString::fromStdString(message) + QStringLiteral("。"), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
