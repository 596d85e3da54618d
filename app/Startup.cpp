#include "Startup.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>
#include <QWindow>

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
    // A catalogue in the working directory under the full locale name (de_DE.qm) wins; otherwise
    // the one shipped for the locale's language serves. Owned by the application, so it stays
    // installed for the whole run; one that does not load is not kept.
    const QLocale locale = QLocale::system();
    const QString fileName = QStringLiteral("%1.qm").arg(locale.name());
    auto translator = std::make_unique<QTranslator>(&app);
    if ((QFile::exists(fileName) && translator->load(fileName))
        || translator->load(locale, QStringLiteral("hardness-tester"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        app.installTranslator(translator.release());
}

// Qt's own texts (buttons of the message boxes, the file and print dialogs), where installed.
void installQtTranslator(QApplication& app)
{
    auto qtTexts = std::make_unique<QTranslator>(&app);
    if (qtTexts->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtTexts.release());
}

// Runs what the first window's first paint does not need once that paint is done, so that the
// window shows sooner: the dialogs' texts and the icon are wanted only after the first look.
class AfterFirstPaint : public QObject
{
public:
    explicit AfterFirstPaint(QApplication& app)
        : QObject(&app), app(app)
    {
        app.installEventFilter(this);
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        // A window's first expose paints it, before the queued call below is run.
        if (event->type() == QEvent::Expose && qobject_cast<QWindow*>(object)) {
            app.removeEventFilter(this);
            QMetaObject::invokeMethod(this, &AfterFirstPaint::run, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void run()
    {
        installQtTranslator(app);
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/dark/dark/logo.png")));
        deleteLater();
    }

    QApplication& app;
};

} // namespace

void SetUpApplication(QApplication& app)
{
    // Where the window's size and position are kept between runs.
    QCoreApplication::setOrganizationName(QStringLiteral("hardness-tester"));
    QCoreApplication::setApplicationName(QStringLiteral("hardness-tester"));
    applyFont();
    applyStyleSheet(app);
    installTranslator(app);
    new AfterFirstPaint(app);
}
