// The session's results table and the details of the selected run.
#include "SessionResultsView.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

#include "MessageTranslator.h"
#include "OutcomeDisplay.h"

namespace corvo::hosts::gui {

namespace {

enum Column { kTestColumn, kOutcomeColumn, kStartedColumn, kDurationColumn };
constexpr int kRecordRole = Qt::UserRole;

QString Translated(const std::string& key) { return QString::fromStdString(MessageTranslator::Translate(key)); }

QDateTime StartOf(const TestRunRecord& record)
{
    const auto sinceEpoch = std::chrono::duration_cast<std::chrono::milliseconds>(record.startedAt.time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(sinceEpoch.count());
}

} // namespace

SessionResultsView::SessionResultsView(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    m_table = new QTreeWidget(splitter);
    m_table->setObjectName(QStringLiteral("results"));
    m_table->setHeaderLabels({tr("Test"), tr("Outcome"), tr("Started"), tr("Duration")});
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Names and outcomes are never cut short; a narrow pane scrolls instead.
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->header()->setStretchLastSection(true);
    m_details = new QPlainTextEdit(splitter);
    m_details->setObjectName(QStringLiteral("resultDetails"));
    m_details->setReadOnly(true);
    m_details->setPlaceholderText(tr("Select a result to see its messages."));
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter);
    connect(m_table, &QTreeWidget::itemSelectionChanged, this, &SessionResultsView::ShowDetails);
}

void SessionResultsView::Add(TestRunRecord record)
{
    auto* item = new QTreeWidgetItem(m_table);
    item->setText(kTestColumn, Translated(record.nameKey));
    item->setIcon(kOutcomeColumn, OutcomeDisplay::Icon(record.result));
    item->setText(kOutcomeColumn, OutcomeDisplay::Text(record.result));
    item->setText(kStartedColumn, StartOf(record).toString(QStringLiteral("HH:mm:ss")));
    item->setText(kDurationColumn, DurationText(record.duration.count()));
    item->setTextAlignment(kDurationColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(kTestColumn, kRecordRole, static_cast<qulonglong>(m_records.size()));
    m_records.push_back(std::move(record));
    m_table->setCurrentItem(item);
    m_table->scrollToItem(item);
}

QString SessionResultsView::DurationText(qint64 milliseconds)
{
    const QLocale locale;
    if (milliseconds < 60000) {
        return tr("%1 s").arg(locale.toString(static_cast<double>(milliseconds) / 1000.0, 'f', 1));
    }
    const qint64 seconds = milliseconds / 1000;
    return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void SessionResultsView::ShowDetails()
{
    const QList<QTreeWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty()) {
        m_details->clear();
        return;
    }
    const TestRunRecord& record = m_records.at(selected.first()->data(kTestColumn, kRecordRole).toULongLong());
    QStringList lines;
    lines << tr("%1: %2").arg(Translated(record.nameKey), OutcomeDisplay::Text(record.result));
    lines << tr("Started %1, took %2")
                 .arg(QLocale().toString(StartOf(record), QLocale::ShortFormat), DurationText(record.duration.count()));
    if (record.messages.empty()) {
        lines << tr("No messages.");
    }
    for (const TimedMessage& message : record.messages) {
        lines << tr("+%1  [%2] %3")
                     .arg(DurationText(message.sinceStart.count()), OutcomeDisplay::KindText(message.kind),
                          Translated(message.key));
    }
    if (!record.note.empty()) {
        lines << tr("Note: %1").arg(QString::fromStdString(record.note));
    }
    for (const std::string& event : record.systemEvents) {
        lines << tr("System event: %1").arg(QString::fromStdString(event));
    }
    m_details->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace corvo::hosts::gui
