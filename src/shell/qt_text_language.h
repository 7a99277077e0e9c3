#pragma once

#include <QString>
#include <QTranslator>

namespace kvx {

// Qt's own texts (the standard buttons of message boxes, the labels of file dialogs,
// the context menus of text boxes) in the interface language: Qt's Japanese catalogue
// is installed on the application while the language is Japanese and removed for any
// other language (and when this object goes). Where the catalogue is missing they stay
// English. The program's own captions come from its code tables and do not pass
// through the catalogue.
class QtTextLanguage
{
public:
    // `folder` holds Qt's catalogues; empty for the folder Qt was installed with.
    explicit QtTextLanguage(QString folder = QString());

    // Puts Qt's texts in `uiLanguage` (a UILanguage value); true when they are
    // Japanese afterwards.
    bool follow(const QString &uiLanguage);

private:
    QString m_folder;
    QTranslator m_japanese;
    bool m_tried = false;  // the catalogue has been looked for
    bool m_loaded = false; // and found
    bool m_installed = false;
};

} // namespace kvx
