#pragma once

#include <QString>
#include <QVector>

namespace kvx {

class VX5200;

// The main window's public state, which other windows read and write through the
// shell instead of through the window itself.
struct ShellState
{
    VX5200 *DisplayEncoder = nullptr;
    QString MacroText;
    bool TutorialShown = false;
    bool TutorialWaiting = false;
    QString WorkFolder;
    bool ListUpdating = false;
    QString VersionText = QStringLiteral("3.30.3");
    QString UILanguage = QStringLiteral("English");
    bool FormLoading = false;
    // The backlight wave's brightness steps, read by the LED animation.
    QVector<int> BacklightWave = {16, 32, 64, 128, 160, 192, 240, 192, 160, 128, 64, 32, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0};

    bool japanese() const { return UILanguage == QLatin1String("Japanese"); }
    // The text of the current language.
    QString tr(const QString &english, const QString &inJapanese) const { return japanese() ? inJapanese : english; }
};

} // namespace kvx
