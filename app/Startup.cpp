#include "Startup.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

void applyFont()
{
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Consolas"));
    font.setPointSize(12);
    QApplication::setFont(font);
}

void applyStyleSheet(QApplication& app)
{
    QFile sheet(QStringLiteral(":/dark/dark/style.qss"));
    if (!sheet.open(QFile::ReadOnly | QFile::Text)) {
        std::fputs("Unable to set stylesheet, file not found\n", stdout);
        return;
    }
    QTextStream stream(&sheet);
    app.setStyleSheet(stream.readAll());
    sheet.close();
}

void installTranslator(QApplication& app)
{
    // Looked for in the working directory only, under the full locale name (de_DE.qm).
    const QString fileName = QStringLiteral("%1.qm").arg(QLocale::system().name());
    if (!QFile::exists(fileName))
        return;
    // Owned by the application, so it stays installed for the whole run; one that does not
    // load is not kept.
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(fileName)) {
        translator->setParent(&app);
        app.installTranslator(translator.release());
    }
}

} // namespace

void SetUpApplication(QApplication& app)
{
    applyFont();
    applyStyleSheet(app);
    installTranslator(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/dark/dark/logo.png")));
}
