#include "ExtrasMenu.h"

#include "AppGlobals.h"
#include "ComCenter.h"
#include "DialogRunner.h"
#include "MainWindow.h"
#include "Options.h"
#include "Settings.h"

#include <QActionGroup>
#include <QFileInfo>
#include <QMap>

ExtrasMenu::ExtrasMenu(MainWindow* window) : QMenu(window), m_window(window), m_languages(new QActionGroup(this))
{
    m_languages->setObjectName(QStringLiteral("language actions"));
    m_languages->setExclusive(true);
    m_languageMessages = QmReader::readFile(translationsDir + QStringLiteral("/languages.qm"));
    QMap<QString, QString> byName;
    for (const QmReader::Message& message : std::as_const(m_languageMessages))
        byName.insert(message.translation, message.sourceText);
    addAction(tr("Options"), this, &ExtrasMenu::options_Slot);
    m_shutdown = addAction(tr("Shutdown Kelmaris"), this, &ExtrasMenu::shutdown_Slot);
    if (!m_languageMessages.isEmpty()) {
        m_languagesMenu = addMenu(tr("Languages"));
        for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
            if (it.key().isEmpty())
                continue;
            QAction* entry = m_languagesMenu->addAction(it.key());
            entry->setObjectName(QStringLiteral("str action"));
            entry->setData(it.value());
            entry->setCheckable(true);
            entry->setChecked(it.value() == language);
            m_languages->addAction(entry);
        }
    }
    connect(m_languages, &QActionGroup::triggered, this, &ExtrasMenu::languageChanged_Slot);
    connect(this, &QMenu::aboutToShow, this, &ExtrasMenu::aboutToShow_Slot);
}

void ExtrasMenu::options_Slot()
{
    Options dialog(m_window, m_window->currentState());
    runDialog(dialog);
}

void ExtrasMenu::shutdown_Slot()
{
    const int answer = ShellServices::current().messageBox(
        m_window, ShellServices::Warning, applicationTitle, tr("Do you realy want to shutdown Kelmaris?"),
        QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    m_window->stopAll();
    if (comCenter)
        comCenter->setShutdown();
}

void ExtrasMenu::languageChanged_Slot(QAction* action)
{
    const QString code = action->data().toString();
    const QString path = translationsDir + QLatin1Char('/') + code + QStringLiteral(".qm");
    if (QFileInfo::exists(path) || code == QLatin1String("en")) {
        language = code;
        ShellServices::current().messageBox(m_window, ShellServices::Information, applicationTitle,
                                            tr("Restart the application to let the new settings take effect."));
        return;
    }
    ShellServices::current().messageBox(this, ShellServices::Warning, applicationTitle,
                                        tr("Translationfile %1 not found.", "%1:filename").arg(path));
}

void ExtrasMenu::aboutToShow_Slot()
{
    m_shutdown->setEnabled(comCenter && comCenter->isConnected());
}
