#include "HighScoresWindow.h"

#include "LabelText.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

namespace {

constexpr QSize InitialSize(520, 360);

} // namespace

HighScoresWindow::HighScoresWindow(const ScoreTable& table, std::size_t currentMode,
                                   const std::optional<Game::LatestScore>& latest, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("HighScoresWindow"));
    setWindowTitle(tr("ズンバリオの記録"));
    setModal(true);
    // The main window's font, which a dialog does not take from its parent by itself.
    setFont(LabelText::font(Font{12, false}));
    resize(InitialSize);

    const std::array<QString, ScoreTable::ModeCount> captions{tr("普通のハンマー"),
                                                              tr("変なハンマー"), tr("ランダム")};
    for (std::size_t mode = 0; mode < ScoreTable::ModeCount; ++mode) {
        const ScoreEntry* highlighted = latest && latest->mode == mode ? &latest->entry : nullptr;
        m_tabs->addTab(modePage(table.entries(mode), highlighted), captions[mode]);
    }
    if (currentMode < ScoreTable::ModeCount)
        m_tabs->setCurrentIndex(static_cast<int>(currentMode));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(tr("閉じる"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    // The keys start on the open list, where the arrows scroll it; Enter still reaches Close.
    if (QWidget* page = m_tabs->currentWidget())
        page->setFocus();
}

QWidget* HighScoresWindow::modePage(const std::vector<ScoreEntry>& entries,
                                    const ScoreEntry* latest) {
    if (entries.empty()) {
        auto* note = new QLabel(tr("このモードでクリアしたゲームはまだありません。"));
        note->setAlignment(Qt::AlignCenter);
        note->setWordWrap(true);
        return note;
    }
    auto* list = new QTreeWidget;
    list->setHeaderLabels({tr("順位"), tr("得点"), tr("日時"), tr("名前")});
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    const QLocale locale;
    for (std::size_t rank = 0; rank < entries.size(); ++rank) {
        const ScoreEntry& entry = entries[rank];
        const QDateTime when = QDateTime::fromSecsSinceEpoch(entry.time).toLocalTime();
        // Texts, never markup: the name is shown exactly as the file holds it.
        auto* row = new QTreeWidgetItem(list, {locale.toString(static_cast<qulonglong>(rank + 1)),
                                               locale.toString(entry.score),
                                               locale.toString(when, QLocale::ShortFormat),
                                               QString::fromStdString(entry.name)});
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (latest != nullptr && entry == *latest) {
            // Only the weight is set: the rest comes from the list's own font.
            QFont bold;
            bold.setBold(true);
            for (int column = 0; column < list->columnCount(); ++column)
                row->setFont(column, bold);
            list->setCurrentItem(row);
            latest = nullptr;
        }
    }
    for (int column = 0; column + 1 < list->columnCount(); ++column)
        list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    return list;
}
