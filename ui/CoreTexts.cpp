#include "CoreTexts.h"

#include <QCoreApplication>

namespace CoreTexts {

QString shown(const GameText& text) {
    const QString pattern = QCoreApplication::translate(text.context, text.pattern);
    return text.hasArgument() ? pattern.arg(QString::fromStdString(text.argument)) : pattern;
}

} // namespace CoreTexts
