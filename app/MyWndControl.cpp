#include "MyWndControl.h"

#include "MainWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

MyWndControl::MyWndControl(QWidget* parent)
    : QGroupBox(parent)
    , pGrid(new QGridLayout(this))
{
    setTitle(tr("Control"));

    auto* label = new QLabel(tr("&Group:"), this);
    auto* groups = new QComboBox(this);
    label->setBuddy(groups);  // Alt and the letter choose it, and a screen reader names it so
    groups->setAccessibleName(label->text().remove(QLatin1Char('&')));
    for (int i = 1; i <= 10; ++i)
        groups->insertItem(groups->count(), QIcon(), QStringLiteral("%1").arg(i));
    // No group shows as chosen until the user picks one; the -1 set here is not passed on.
    groups->setCurrentIndex(-1);
    connect(groups, QOverload<int>::of(&QComboBox::currentIndexChanged), groups,
            [](int index) { nGroupIndex = index; });

    pGrid->addWidget(label, 0, 0);
    pGrid->addWidget(groups, 0, 1);

    // Each with a letter of its own, also against the menu bar's (File, Archive, Help).
    const QString texts[ButtonCount] = {tr("&LoadData"), tr("Save as &CSV"), tr("Save as P&DF"),
                                        tr("Print pre&view"), tr("&Print")};
    for (int i = 0; i < ButtonCount; ++i) {
        pButtons[i] = new QPushButton(this);
        pButtons[i]->setMinimumHeight(30);
        pButtons[i]->setText(texts[i]);
        pGrid->addWidget(pButtons[i], i + 1, 0, 1, 2);
    }
    pButtons[LoadData]->setEnabled(false);

    // As wide as its texts in the language at hand, which leaves the table the rest.
    setSizePolicy(QSizePolicy());
    setLayout(pGrid);
}
