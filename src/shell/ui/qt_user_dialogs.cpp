#include "shell/ui/qt_user_dialogs.h"

#include "shell/ui/focus_return.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QIdentityProxyModel>
#include <QMessageBox>

namespace kvx {

QWidget *QtUserDialogs::parentFor(QObject *window) const
{
    // A window that asks before it shows (the export window refusing to open) hands
    // its dialogs to the window it stands over.
    for (auto *w = qobject_cast<QWidget *>(window); w; w = w->window()->parentWidget())
        if (w->window()->isVisible())
            return w->window();
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return m_parent;
}

UserDialogs::Answer QtUserDialogs::ask(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    return askFor(nullptr, text, buttons, icon, title);
}

UserDialogs::Answer QtUserDialogs::askFor(QObject *window, const QString &text, Buttons buttons, Icon icon,
                                          const QString &title)
{
    QWidget *parent = parentFor(window);
    const FocusReturn focusReturn(parent);
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    box.setText(text);
    switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::None: break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case Buttons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    default: return Answer::Cancel;
    }
}

namespace {

// The files as Qt's file system model gives them to the file dialog, with one picture
// for the header of the names. The model makes a new blank picture at every request
// (the room that keeps the header's title level with the names after their icons),
// and each repaint of the header put the new one into the pixmap cache.
class FileListModel final : public QIdentityProxyModel
{
public:
    FileListModel(QIcon &headerPicture, QObject *parent) : QIdentityProxyModel(parent), m_headerPicture(headerPicture)
    {
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        QVariant data = QIdentityProxyModel::headerData(section, orientation, role);
        if (role != Qt::DecorationRole || section != 0 || data.typeId() != QMetaType::QImage)
            return data;
        if (m_headerPicture.isNull())
            m_headerPicture = QIcon(QPixmap::fromImage(data.value<QImage>()));
        return m_headerPicture;
    }

private:
    QIcon &m_headerPicture;
};

UserDialogs::FileChoice runFileDialog(QWidget *parent, const UserDialogs::FileRequest &request,
                                      QFileDialog::AcceptMode mode, QIcon &headerPicture)
{
    const FocusReturn focusReturn(parent);
    // The start is a folder, or a file in a folder. The dialog opens in the folder; a
    // file is chosen once the dialog's file list is in place (it is marked when the
    // folder has been read).
    const QFileInfo start(request.start);
    const bool startsWithFile = !request.start.isEmpty() && !start.isDir();
    const bool folderExists = QFileInfo(start.absolutePath()).isDir();
    QFileDialog dialog(parent, request.caption,
                       !startsWithFile ? request.start : (folderExists ? start.absolutePath() : QString()));
    dialog.setProxyModel(new FileListModel(headerPicture, &dialog));
    if (startsWithFile)
        dialog.selectFile(start.fileName());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.filters.isEmpty()) {
        dialog.setNameFilters(request.filters);
        dialog.selectNameFilter(request.filters.value(request.filterIndex));
    }
    UserDialogs::FileChoice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return choice;
    choice.accepted = true;
    choice.path = dialog.selectedFiles().first();
    choice.filterIndex = qMax(0, int(request.filters.indexOf(dialog.selectedNameFilter())));
    return choice;
}

} // namespace

UserDialogs::FileChoice QtUserDialogs::openFile(const FileRequest &request)
{
    return openFileFor(nullptr, request);
}

UserDialogs::FileChoice QtUserDialogs::saveFile(const FileRequest &request)
{
    return saveFileFor(nullptr, request);
}

QString QtUserDialogs::chooseFolder(const QString &caption, const QString &start)
{
    return chooseFolderFor(nullptr, caption, start);
}

UserDialogs::FileChoice QtUserDialogs::openFileFor(QObject *window, const FileRequest &request)
{
    return runFileDialog(parentFor(window), request, QFileDialog::AcceptOpen, m_fileListHeader);
}

UserDialogs::FileChoice QtUserDialogs::saveFileFor(QObject *window, const FileRequest &request)
{
    return runFileDialog(parentFor(window), request, QFileDialog::AcceptSave, m_fileListHeader);
}

QString QtUserDialogs::chooseFolderFor(QObject *window, const QString &caption, const QString &start)
{
    QWidget *parent = parentFor(window);
    const FocusReturn focusReturn(parent);
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

} // namespace kvx
