#include "MyStatisticsBox.h"

#include "MeasureRecord.h"
#include "MyLimitsDialog.h"
#include "Statistics.h"
#include "ValueTexts.h"
#include "Verdict.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kNone = QStringLiteral("\u2013");

// A failed verdict in red with a sign, so that it reads without the colour too.
void showVerdict(QLabel* label, bool bShown, bool bPass, const QString& text)
{
    label->setVisible(bShown);
    label->setText((bPass ? QStringLiteral("\u2713 ") : QStringLiteral("\u2717 ")) + text);
    label->setStyleSheet(bPass ? QString() : QStringLiteral("color: #FF6B6B"));
}

} // namespace

MyStatisticsBox::MyStatisticsBox(QWidget* parent)
    : QGroupBox(parent)
    , activeLimits(ToleranceLimits::load())
{
    setTitle(tr("Statistics"));
    // Scrolls in a low window rather than setting the window's least height.
    auto* scroll = pScroll = new QScrollArea(this);
    auto* content = new QWidget(scroll);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    // The grid's spacing keeps the columns apart: no padding beside the labels on top of it.
    scroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"
                                         "QLabel { padding: 2px 0px; }"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    // Filled once in place: a widget moved into the scroll area takes the style sheet anew,
    // with all of its children.
    scroll->setWidget(content);
    auto* grid = new QGridLayout(content);
    pRecordTitle = new QLabel(content);
    auto* groupTitle = new QLabel(tr("Group"), content);
    groupTitle->setToolTip(tr("The records' means"));
    grid->addWidget(pRecordTitle, 0, 1);
    grid->addWidget(groupTitle, 0, 2);
    const QString names[LineCount] = {tr("n"), tr("Mean"), tr("s"), tr("Range"), tr("CV")};
    const QString tips[LineCount] = {tr("Impacts of the record, records of the group"), QString(),
                                     tr("Sample standard deviation (n - 1)"), tr("Largest minus smallest"),
                                     tr("Coefficient of variation: s / mean")};
    for (int line = 0; line < LineCount; ++line) {
        auto* name = new QLabel(names[line], content);
        name->setToolTip(tips[line]);
        pRecord[line] = new QLabel(content);
        pGroup[line] = new QLabel(content);
        grid->addWidget(name, line + 1, 0);
        grid->addWidget(pRecord[line], line + 1, 1);
        grid->addWidget(pGroup[line], line + 1, 2);
    }
    const auto verdictLabel = [content](const char* name) {
        auto* label = new QLabel(content);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        return label;
    };
    pRecordVerdict = verdictLabel("recordVerdict");
    pGroupVerdict = verdictLabel("groupVerdict");
    auto* limitsButton = new QPushButton(tr("L&imits..."), content);
    limitsButton->setMinimumHeight(30);
    grid->addWidget(pRecordVerdict, LineCount + 1, 0, 1, 3);
    grid->addWidget(pGroupVerdict, LineCount + 2, 0, 1, 3);
    grid->setRowStretch(LineCount + 3, 1);  // the lines together at the top, the button at the foot
    grid->addWidget(limitsButton, LineCount + 4, 0, 1, 3);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    connect(limitsButton, &QPushButton::clicked, this, &MyStatisticsBox::slotEditLimits);
    // The numbers in the size of the table's beside them, which leaves room for longer words.
    QFont font = content->font();
    font.setPointSize(10);
    for (QWidget* child : content->findChildren<QWidget*>())
        child->setFont(font);
    // The columns' spacing is room enough: no indent of an "x" on top of the style's padding.
    for (QLabel* label : content->findChildren<QLabel*>())
        label->setIndent(0);

    // As wide as its names, a record's numbers (a mean with its scale) and the group's, in the
    // language at hand, each as its label measures it in the style (its padding), with the
    // box's frame: wider content would be cut at the right, numbers included. The table takes
    // the rest of the window's width.
    ensurePolished();
    const auto labelWidth = [](QLabel* label, const QString& text) {
        const QString shown = label->text();
        label->setText(text);
        const int nWidth = label->sizeHint().width();
        label->setText(shown);
        return nWidth;
    };
    int nNames = 0;
    for (int line = 0; line < LineCount; ++line)
        nNames = std::max(nNames, labelWidth(pGroup[line], names[line]));
    const int nRecordColumn = std::max(labelWidth(pRecordTitle, QStringLiteral("0000.00 HRC")),
                                       labelWidth(pRecordTitle, tr("Record %1").arg(255)));
    const int nGroupColumn = std::max(labelWidth(pGroup[Cv], QStringLiteral("0000.00 %")), groupTitle->sizeHint().width());
    const QMargins frame = contentsMargins();
    setSizePolicy(QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding));
    nLinesWidth = frame.left() + nNames + nRecordColumn + nGroupColumn + 2 * grid->horizontalSpacing() + frame.right();
    setFixedWidth(nLinesWidth);
    showGroup();
}

void MyStatisticsBox::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    // Once this resize is through: a new width in the middle of it leaves the lines laid out
    // for the old one.
    QMetaObject::invokeMethod(this, &MyStatisticsBox::fitScrollBar, Qt::QueuedConnection);
}

void MyStatisticsBox::fitScrollBar()
{
    if (!isVisible())
        return;  // laid out once shown, when its height is known
    // The lines keep their width with the scroll bar beside them, so that making room for it
    // does not change whether it is needed.
    const QMargins frame = contentsMargins();
    QWidget* content = pScroll->widget();
    const int nHeight = std::max(content->heightForWidth(nLinesWidth - frame.left() - frame.right()),
                                 content->minimumSizeHint().height());
    const bool bLow = nHeight > pScroll->height();
    setFixedWidth(nLinesWidth + (bLow ? pScroll->verticalScrollBar()->sizeHint().width() : 0));
}

void MyStatisticsBox::showColumn(QLabel* const* column, const SeriesStats& stats, const QString& mean)
{
    column[Count]->setText(FormatInteger(stats.nCount));
    column[Mean]->setText(mean);
    column[Sd]->setText(SdText(stats.sd));
    column[Range]->setText(RangeText(stats));
    column[Cv]->setText(CvText(stats.cv));
}

void MyStatisticsBox::showGroup()
{
    const GroupStats stats = StatsOfGroup(CurrentGroup.pRecords, CurrentGroup.nCount);
    // Means of different scales do not mix: none, and the tooltip says why.
    const QString mean = stats.means.nCount > 0 ? FormatValue(stats.means.dMean) : kNone;
    showColumn(pGroup, stats.means, mean);
    pGroup[Count]->setText(FormatInteger(stats.nRecords));
    pGroup[Mean]->setToolTip(stats.bMixedScales ? tr("The records are in different hardness scales: their means do not mix.")
                                                : QString());
    const GroupVerdict verdict = JudgeGroup(CurrentGroup.pRecords, CurrentGroup.nCount, activeLimits);
    showVerdict(pGroupVerdict, !activeLimits.isEmpty() && stats.nRecords > 0, !verdict.rejected(), verdict.text());
    nRow = -1;
    showRecord();
    fitScrollBar();
}

void MyStatisticsBox::showRow(int nrow)
{
    nRow = nrow < CurrentGroup.nCount ? nrow : -1;
    showRecord();
    fitScrollBar();
}

void MyStatisticsBox::showRecord()
{
    if (nRow < 0) {
        pRecordTitle->setText(tr("Record %1").arg(kNone));
        showColumn(pRecord, SeriesStats(), kNone);
        pRecordVerdict->hide();
        return;
    }
    const MeasureRecord& rec = CurrentGroup.pRecords[nRow];
    const SeriesStats stats = StatsOfRecord(rec);
    pRecordTitle->setText(tr("Record %1").arg(nRow + 1));
    showColumn(pRecord, stats, stats.nCount > 0 ? FormatValue(stats.dMean) + QLatin1Char(' ') + ScaleText(rec.nUnit) : kNone);
    const RecordVerdict verdict = JudgeRecord(rec, activeLimits);
    const QString text = verdict.bPass ? tr("Within %1") : tr("Outside %1");
    showVerdict(pRecordVerdict, verdict.bJudged, verdict.bPass,
                text.arg(verdict.limit.text()) + QLatin1Char('\n') + tr("Single values outside: %1").arg(verdict.nOutside));
}

void MyStatisticsBox::slotEditLimits()
{
    MyLimitsDialog dialog(activeLimits, window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.limits().save();
    setLimits(dialog.limits());
}

void MyStatisticsBox::setLimits(const ToleranceLimits& limits)
{
    activeLimits = limits;
    const int nChosen = nRow;
    showGroup();
    showRow(nChosen);
    emit sigLimitsChanged(activeLimits);
}
