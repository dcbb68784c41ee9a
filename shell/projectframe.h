#pragma once

#include <QFrame>

class QVBoxLayout;
class SrcGroupListWidget;

// The frame of the tab "项目视图": holds the project tree and passes its
// signals on, so that the main window talks to the frame only.
class ProjectFrame : public QFrame
{
    Q_OBJECT

public:
    explicit ProjectFrame(QWidget *parent = nullptr);
    ~ProjectFrame() override;

    void clearItems();
    void addItem(const QString &name, int type);
    void createItem(const QString &name, int type);

    SrcGroupListWidget *tree() const { return m_widget; }

signals:
    void signalAddFile(QString &name);
    void signalSelectFile(QString &name);
    void signalDeleteFile(QString &name);
    void signalClose();

private:
    void setupUi();

    QVBoxLayout *m_verticalLayout = nullptr;
    SrcGroupListWidget *m_widget = nullptr;
};
