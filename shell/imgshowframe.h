#pragma once

#include <QFrame>

class ImgLabel;

// The image dialog's preview: one 180 x 180 picture label, centred.
class ImgShowFrame : public QFrame
{
    Q_OBJECT

public:
    explicit ImgShowFrame(QWidget *parent = nullptr);

    void setImage(const QString &path);
    ImgLabel *label() const { return m_label; }

private:
    ImgLabel *m_label = nullptr;
};
