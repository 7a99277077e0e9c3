#pragma once

#include "macro_editor/macro_upload.h"

#include <QWidget>

class QLabel;

namespace kvx {

// The small window that says the macro is being translated or written; modeless and
// redrawn at once, since the window thread is busy while it shows.
class ProgressDialog : public QWidget, public UploadProgress
{
    Q_OBJECT
public:
    ProgressDialog(bool japanese, QWidget *parent = nullptr);

    void showProgress(const QString &caption, const QString &label) override;
    void hideProgress() override;

private:
    QLabel *m_label;
};

} // namespace kvx
