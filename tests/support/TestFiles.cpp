#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

QString sourceFile(const QString& relativePath) {
    return QDir(QStringLiteral(ZUNBARIO_SOURCE_DIR)).filePath(relativePath);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void writeRecordWords(const QString& path, std::span<const qint32> values) {
    writeBytes(path, toQByteArray(words(values)));
}
