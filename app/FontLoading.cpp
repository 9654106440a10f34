#include "FontLoading.h"

#include <QFontDatabase>
#include <QStringList>

FontLoading::FontLoading() : m_thread([] { QFontDatabase::families(); }) {}
