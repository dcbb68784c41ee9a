#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class ImgShowFrame;

// Picker of the project's pictures: lists the "*.png", "*.jpg" and "*.jpeg"
// files (suffixes in any case) of the project folder, imports pictures into
// it, deletes one, and hands the path of the picked one back.
class ImgDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ImgDlg(QWidget *parent = nullptr);
    ~ImgDlg() override;

    void setPath(const QString &dir);
    QString path() const { return m_dir; }
    QString selectedPath() const { return m_selectedPath; }
    // Opens on that picture of the folder: its item current and shown, and
    // its path the one handed back when nothing else is picked. An empty
    // name chooses nothing.
    void selectImage(const QString &fileName);
    QListWidget *listWidget() const { return m_listWidget; }

    ImgShowFrame *preview() const { return m_preview; }

    // Copies one picture into the folder (unless it lies there already) and
    // lists it; a file whose content is no picture, or whose name the folder
    // holds already (a link too), is refused, with the reason in *why.
    bool addImage(const QString &file, QString *why = nullptr);
    // Imports each file and tells the user which were not taken, and why.
    void importFiles(const QStringList &files);

public slots:
    void importImg();
    void refreshImg();
    void clearImg();
    void btnClicked();
    void onImgSelected(QListWidgetItem *item);

private:
    void setupUi();
    void loadImages();
    void clearList();
    bool isListed(const QString &fileName) const;
    void addListedImage(const QString &fileName);

    QGroupBox *m_groupBox = nullptr;
    QPushButton *m_importButton = nullptr;   // pushButton_3
    QPushButton *m_refreshButton = nullptr;  // pushButton_5
    QPushButton *m_deleteButton = nullptr;   // pushButton_4
    QListWidget *m_listWidget = nullptr;
    QPushButton *m_okButton = nullptr;       // pushButton_2
    QPushButton *m_cancelButton = nullptr;   // pushButton
    QPushButton *m_clearButton = nullptr;    // pushButton_6
    ImgShowFrame *m_preview = nullptr;
    QString m_dir;
    QString m_selectedPath;
};
