// Saving the enlarged map as an image file after a unification, and the dialog's real
// platform services.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "conquest/kunitori_dialog.h"
#include "images/image_files.h"

namespace quintrick {

// The image type of a file name: its extension in lower case, "jpg" and "tif" taken for the
// types they name (the writer knows only "jpeg" and "tiff").
QString ExportImageType(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString ext = dot < 0 ? QString() : name.mid(dot + 1).toLower();
    if (ext == QLatin1String("jpg")) return QStringLiteral("jpeg");
    if (ext == QLatin1String("tif")) return QStringLiteral("tiff");
    return ext;
}

void CKunitori::SaveMapImage() {
    const QString path = m_context.host.AskSaveFileName(
        this, QCoreApplication::translate("Map", "保存するファイルを指定"),
        QCoreApplication::translate("Map", "無題"), "gif",
        QCoreApplication::translate(
            "Map",
            "JPEGファイル(*.jpeg);;GIFファイル(*.gif);;ビットマップファイル(*.bmp);;"
            "PNGファイル(*.png);;TIFFファイル(*.tiff)"));
    if (path.isEmpty()) return;
    IMessageBox& box = m_context.box;
    if (QFileInfo::exists(path) && box.ShowMessage(kMsgOverwrite, "", kStyleQuestion) == IDNO) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = SaveBitmapAsImage(m_enlarged, kEnlargedWidth, kEnlargedHeight, path,
                                         ExportImageType(path), box);
    QApplication::restoreOverrideCursor();
    if (!saved) return;
    if (box.ShowMessage(kMsgSavedShowFolder, "", kStyleQuestion) != IDNO) {
        m_context.host.ShowFolderOf(path, box);
    }
}

void CQtKunitoriHost::ShowPlainBox(QWidget* owner, std::string_view caption,
                                   std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon,
                    QString::fromUtf8(caption.data(), qsizetype(caption.size())),
                    QString::fromUtf8(text.data(), qsizetype(text.size())), QMessageBox::Ok, owner);
    box.exec();
}

QString CQtKunitoriHost::AskSaveFileName(QWidget* owner, const QString& title, const QString& name,
                                         const QString& defaultSuffix, const QString& filter) {
    QFileDialog dialog(owner, title, name, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the overwrite question is our own
    dialog.selectNameFilter(filter.section(";;", 1, 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool CQtKunitoriHost::ShowFolderOf(const QString& path, IMessageBox& box) {
    return OpenFolderInExplorer(path, box);
}

}  // namespace quintrick
