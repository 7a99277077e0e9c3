#pragma once

#include "panels/font_panel.h"
#include "panels/text_panel.h"

#include <QList>
#include <QObject>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextDocument;
class QTextEdit;

namespace kvx {

class PanelHost;

// The font settings frame (DeviceContextFrame) below the text tabs, and the three
// text tabs of SSTab4: typed text, rich text at a dot position, and the Asian font.
// Handlers run on the user's actions only; what the program changes sends nothing.
class FontTextPanelUi : public QObject
{
    Q_OBJECT
public:
    explicit FontTextPanelUi(PanelHost &host);

    // The text property that marks a character of RichTextBox1 as reversed.
    static constexpr int ReverseMarkProperty = 0x100000 + 1; // QTextFormat::UserProperty + 1
    // The characters of a rich text document with their reverse marks; a line break
    // is CR LF.
    static QList<RichChar> richChars(const QTextDocument &document);

    // ---- for the model change and the language switch ----
    // The series layouts set the lists and the enabling of these controls; what is
    // left here reads the module from the main window's encoder and sends nothing.
    // Combo1 and FrmASIA for the series and the interface language (the selected
    // language stays, shown in that language).
    void SetupAsianFontList();
    void SetupAsianFontList(const QString &moduleSeri, const QString &uiLanguage);
    // The module initialisation's reset of the font controls (sends nothing).
    void resetControls();

    FontPanel &fontPanel() { return m_font; }
    TextPanel &textPanel() { return m_text; }

    // What the panel builds, for the main window's layout to place.
    struct Frames
    {
        QWidget *textEntryPage;
        QWidget *dotTextPage;
        QWidget *asianPage;
        QGroupBox *fontFrame;
    };
    const Frames &frames() const { return m_frames; }

private:
    QGroupBox *buildFontFrame();
    QWidget *buildTextEntryPage();
    QWidget *buildDotTextPage();
    QWidget *buildAsianPage();
    void Combo1_Click();
    void setReverseMark(bool reversed);
    QString textBoxText() const;

    PanelHost &m_host;
    FontPanel m_font;
    TextPanel m_text;
    Frames m_frames{};

    QComboBox *m_size = nullptr;
    QComboBox *m_magnification = nullptr;
    QComboBox *m_gap = nullptr;
    QComboBox *m_international = nullptr;
    QComboBox *m_codeTable = nullptr;
    QCheckBox *m_download = nullptr;
    QLineEdit *m_text8 = nullptr;

    QPlainTextEdit *m_textBox = nullptr;
    QTextEdit *m_rich = nullptr;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
    QGroupBox *m_asiaFrame = nullptr;
    QComboBox *m_languages = nullptr;
    QPushButton *m_asiaOn = nullptr;
    QPushButton *m_asiaOff = nullptr;
};

} // namespace kvx
