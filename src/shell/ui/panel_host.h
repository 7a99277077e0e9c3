#pragma once

#include "shell/panel_context.h"

#include <QObject>
#include <QString>

class QWidget;

namespace kvx {

class Connection;
class ImageList;
class Link;
class ReceiveMonitor;

// What the command panels and the program's other windows reach of the main window:
// the sending context (encoder, command log, dialogs, shell state), the link, the
// main window's few shared choices and actions, and its events. The main window
// implements it; a panel can be built against a small fake.
class PanelHost : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The window that panels and dialogs belong to and stand over.
    virtual QWidget *hostWindow() = 0;
    virtual PanelContext &panelContext() = 0;
    ShellState &state() { return panelContext().state; }
    UserDialogs &dialogs() { return panelContext().dialogs; }
    VX5200 &encoder() { return panelContext().encoder; }
    virtual Link &link() = 0;
    virtual Connection &connection() = 0;
    // The receive monitor of the open serial port, if any.
    virtual ReceiveMonitor *receiveMonitor() const = 0;
    // The image list (kept between runs by the image-list window).
    virtual ImageList &imageList() = 0;

    // The chosen series option (0..3).
    virtual int seriesOption() const = 0;
    // The folder of the bitmap file list (kept in Config.dat).
    virtual QString bitmapFolder() const = 0;
    virtual void setBitmapFolder(const QString &folder) = 0;
    // The value of a slider of the main window, by its object name.
    virtual int controlValue(const QString &name) const = 0;

    // The main window's own handlers that other windows and panels run.
    virtual void PlayCommandButton_Click() = 0;
    virtual void PauseCommandButton_Click() = 0;
    virtual void StopCommandButton_Click() = 0;
    virtual void OpYByte_Click(int index) = 0;
    virtual void showImageListWindow() = 0;
    // Asks the panels to put the settings controls that module initialisation names
    // back to their start values; nothing is sent.
    void requestControlReset() { emit resetControlsRequested(); }

signals:
    // A model (or the revision-B box) was chosen: the encoder holds the new identity.
    // Emitted while ListUpdating is true, so refilled lists send nothing.
    void moduleChanged();
    void seriesOptionChanged(int index);
    void yUnitChanged(int index);
    // Config.dat has been read into the window (start-up).
    void settingsRestored();
    // Module initialisation: the panels put its settings controls back to their start
    // values, sending nothing; every other control keeps what the user set.
    void resetControlsRequested();
    // What the receive monitor shows, for the macro editor's received-data box and
    // the touch-switch panel's box (the monitor itself comes and goes with the port).
    void receivedDataPanelNeeded();
    void receivedDataChanged(const QString &text);
    void touchTextAppended(const QString &text);
    // The interface language was applied to the main window (start-up and every
    // switch); the other windows put up their texts in UILanguage.
    void languageChanged();
};

} // namespace kvx
