#include "shell/qt_text_language.h"

#include "shell/captions.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace kvx {

QtTextLanguage::QtTextLanguage(QString folder)
    : m_folder(folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : std::move(folder))
{
}

bool QtTextLanguage::follow(const QString &uiLanguage)
{
    const bool japanese = isJapanese(uiLanguage);
    // Each install or removal re-translates every window of Qt's; only a change does.
    if (japanese == m_installed)
        return m_installed;
    if (!japanese) {
        QCoreApplication::removeTranslator(&m_japanese);
        m_installed = false;
        return false;
    }
    if (!m_tried) {
        m_tried = true;
        m_loaded = m_japanese.load(QStringLiteral("qtbase_ja"), m_folder);
        if (!m_loaded)
            qWarning("Qt's Japanese texts (qtbase_ja.qm) are not in %s: its buttons and dialogs stay English.",
                     qPrintable(m_folder));
    }
    m_installed = m_loaded && QCoreApplication::installTranslator(&m_japanese);
    return m_installed;
}

} // namespace kvx
