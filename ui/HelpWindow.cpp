#include "HelpWindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <array>
#include <utility>

namespace {

// Topic numbers and the anchors of the help file where they begin.
constexpr std::array<std::pair<int, const char*>, 1> Topics{{{1, "asobikata"}}};
constexpr QSize WindowSize(600, 520);

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("ズンバリオ ヘルプ"));
    resize(WindowSize);
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

QString HelpWindow::anchorFor(int context) {
    for (const auto& [number, anchor] : Topics)
        if (number == context)
            return QLatin1String(anchor);
    return {};
}

void HelpWindow::showHelp(const QString& path, int context, const QString& shownPath) {
    // Shown first, so that the browser is laid out when it scrolls to the topic.
    show();
    raise();
    activateWindow();
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        m_browser->setHtml(tr("<h2>ヘルプを表示できません</h2>"
                              "<p>ヘルプファイル「%1」が見つかりません。</p>"
                              "<p>ゲームはこのまま続けられます。</p>")
                               .arg((shownPath.isEmpty() ? path : shownPath).toHtmlEscaped()));
        return;
    }
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    const QString anchor = anchorFor(context);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    // Asking again for the page already shown reads the file afresh, in case it changed.
    if (m_browser->source() == url)
        m_browser->reload();
    else
        m_browser->setSource(url);
    if (!anchor.isEmpty())
        m_browser->scrollToAnchor(anchor);
}
