#include "ErrorBox.h"

#include <QMessageBox>

void showErrorBox(const std::string& message, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ズンバリオ"),
                    QString::fromStdString(message) + QStringLiteral("。"), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
