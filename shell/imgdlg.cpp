#include "imgdlg.h"

#include "core/dialogkeys.h"
#include "core/filenamecheck.h"
#include "core/fileutils.h"
#include "core/notifier.h"
#include "shell/imgshowframe.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Larger files are not taken into a project.
const qint64 kMaxImageBytes = 300LL * 1024 * 1024;

bool isPictureSuffix(const QString &suffix)
{
    return suffix.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0
           || suffix.compare(QLatin1String("jpeg"), Qt::CaseInsensitive) == 0
           || suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
}

// A picture by what the file holds, whatever its name claims.
bool holdsPicture(const QString &file)
{
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    return reader.canRead();
}
} // namespace

ImgDlg::ImgDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi();
    dialogkeys::enterPresses(this, m_okButton);
    m_clearButton->hide();
    connect(m_importButton, SIGNAL(clicked()), this, SLOT(importImg()));
    connect(m_refreshButton, SIGNAL(clicked()), this, SLOT(refreshImg()));
    connect(m_deleteButton, SIGNAL(clicked()), this, SLOT(clearImg()));
    connect(m_okButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_cancelButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_clearButton, SIGNAL(clicked()), this, SLOT(btnClicked()));
    connect(m_listWidget, SIGNAL(itemClicked(QListWidgetItem*)), this, SLOT(onImgSelected(QListWidgetItem*)));
}

ImgDlg::~ImgDlg() = default;

void ImgDlg::setupUi()
{
    setObjectName(QStringLiteral("ImgDlg"));
    resize(652, 416);
    setWindowTitle(tr("Dialog"));

    auto *outer = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_groupBox = new QGroupBox(tr("图片资源"), this);
    m_groupBox->setObjectName(QStringLiteral("groupBox"));
    auto *groupLayout = new QVBoxLayout(m_groupBox);
    auto *buttons = new QHBoxLayout;
    m_importButton = new QPushButton(tr("导入"), m_groupBox);
    m_importButton->setObjectName(QStringLiteral("pushButton_3"));
    m_refreshButton = new QPushButton(tr("刷新"), m_groupBox);
    m_refreshButton->setObjectName(QStringLiteral("pushButton_5"));
    m_deleteButton = new QPushButton(tr("删除"), m_groupBox);
    m_deleteButton->setObjectName(QStringLiteral("pushButton_4"));
    buttons->addWidget(m_importButton);
    buttons->addWidget(m_refreshButton);
    buttons->addWidget(m_deleteButton);
    groupLayout->addLayout(buttons);
    m_listWidget = new QListWidget(m_groupBox);
    m_listWidget->setObjectName(QStringLiteral("listWidget"));
    groupLayout->addWidget(m_listWidget);
    top->addWidget(m_groupBox, 1);
    m_preview = new ImgShowFrame(this);
    m_preview->setObjectName(QStringLiteral("widget"));
    m_preview->setMinimumWidth(320);
    top->addWidget(m_preview);
    outer->addLayout(top, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    m_okButton = new QPushButton(tr("确定"), this);
    m_okButton->setObjectName(QStringLiteral("pushButton_2"));
    m_cancelButton = new QPushButton(tr("取消"), this);
    m_cancelButton->setObjectName(QStringLiteral("pushButton"));
    m_clearButton = new QPushButton(tr("清除"), this);
    m_clearButton->setObjectName(QStringLiteral("pushButton_6"));
    for (QPushButton *button : {m_okButton, m_cancelButton, m_clearButton}) {
        button->setMinimumSize(90, 30);
        bottom->addWidget(button);
    }
    m_clearButton->setMaximumSize(90, 30);
    outer->addLayout(bottom);
}

void ImgDlg::setPath(const QString &dir)
{
    m_dir = dir;
    clearList();
    loadImages();
}

void ImgDlg::clearList()
{
    for (int row = m_listWidget->count() - 1; row >= 0; --row)
        delete m_listWidget->takeItem(row);
    m_selectedPath.clear();
    m_preview->setImage(QString());
}

void ImgDlg::loadImages()
{
    if (m_dir.isEmpty() || !QDir(m_dir).exists())
        return;
    clearList();
    QDirIterator it(m_dir, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (isPictureSuffix(it.fileInfo().suffix()))
            addListedImage(it.fileName());
    }
}

bool ImgDlg::isListed(const QString &fileName) const
{
    for (int row = 0; row < m_listWidget->count(); ++row) {
        if (m_listWidget->item(row)->text() == fileName)
            return true;
    }
    return false;
}

void ImgDlg::addListedImage(const QString &fileName)
{
    if (isListed(fileName))
        return;
    auto *item = new QListWidgetItem(fileName);
    item->setData(Qt::UserRole, fileName);
    item->setData(Qt::UserRole + 1, QString(m_dir + QLatin1Char('/') + fileName));
    m_listWidget->addItem(item);
}

bool ImgDlg::addImage(const QString &file, QString *why)
{
    QString reason;
    const QFileInfo source(file);
    const QString fileName = source.fileName();
    const QString target = m_dir + QLatin1Char('/') + fileName;
    const bool inPlace = QFileInfo(target).absoluteFilePath() == source.absoluteFilePath();
    FileWrite copied(target);
    if (m_dir.isEmpty() || !source.isFile())
        reason = tr("文件不存在");
    else if (source.size() > kMaxImageBytes)
        reason = tr("文件大于300MB");
    // The upload would stop at the name, after the project was worked on.
    else if (const FileNameCheck name = FileNameCheck::check(fileName); !name.isAccepted())
        reason = name.problem();
    // Only pictures come in (the file dialog's filter can be typed past).
    else if (!isPictureSuffix(source.suffix()) || !holdsPicture(file))
        reason = tr("不是图片文件");
    // A link there, even one to nothing, would be written through, out of
    // the project folder.
    else if (!inPlace && QFileInfo(target).isSymLink())
        reason = tr("项目目录中的同名文件是链接，不会写入");
    // Never over a file the folder holds already, listed or not.
    else if (isListed(fileName) || (!inPlace && QFileInfo::exists(target)))
        reason = tr("同名图片已存在");
    // A copy that did not complete left nothing there: said with why, not listed.
    else if (!inPlace && !(copied = copyFile(file, target)))
        reason = copied.problem(tr("复制失败") + QStringLiteral(": "));
    if (!reason.isEmpty()) {
        if (why)
            *why = reason;
        return false;
    }
    addListedImage(fileName);
    return true;
}

void ImgDlg::importImg()
{
    const QStringList files = QFileDialog::getOpenFileNames(this, tr("背景图片"), QString(),
                                                            QStringLiteral("Image Files (*.png *.jpeg *.jpg)"));
    importFiles(files);
}

void ImgDlg::importFiles(const QStringList &files)
{
    QStringList refused;
    for (const QString &file : files) {
        QString why;
        if (!addImage(file, &why))
            refused << fileNameOfPath(file) + QStringLiteral(": ") + why;
    }
    if (!refused.isEmpty())
        Notifier::information(this, tr("提示"),
                              tr("以下图片未导入：") + QLatin1Char('\n') + refused.join(QLatin1Char('\n')));
}

void ImgDlg::refreshImg()
{
    qDebug() << m_listWidget->count();
    clearList();
    loadImages();
}

void ImgDlg::clearImg()
{
    QListWidgetItem *item = m_listWidget->currentItem();
    if (!item)
        return;
    const QString path = item->data(Qt::UserRole + 1).toString();
    // A file that stays on the disk stays in the list.
    if (!removeFile(path)) {
        Notifier::information(this, tr("提示"), tr("删除图片失败：") + QDir::toNativeSeparators(path));
        return;
    }
    m_preview->setImage(QString());
    m_selectedPath.clear();
    delete item;
}

void ImgDlg::selectImage(const QString &fileName)
{
    const QList<QListWidgetItem *> found = m_listWidget->findItems(fileName, Qt::MatchExactly);
    m_listWidget->setCurrentItem(found.isEmpty() ? nullptr : found.first());
    m_selectedPath = fileName.isEmpty() ? QString() : m_dir + QLatin1Char('/') + fileName;
    m_preview->setImage(found.isEmpty() ? QString() : m_selectedPath);
}

void ImgDlg::onImgSelected(QListWidgetItem *item)
{
    if (!item)
        return;
    m_selectedPath = item->data(Qt::UserRole + 1).toString();
    m_preview->setImage(m_selectedPath);
}

void ImgDlg::btnClicked()
{
    QObject *button = sender();
    if (button == m_cancelButton) {
        reject();
    } else if (button == m_clearButton) {
        m_selectedPath.clear();
        m_preview->setImage(QString());
        accept();
    } else {
        accept();
    }
}
