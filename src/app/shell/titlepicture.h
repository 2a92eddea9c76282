#pragma once

#include <QWidget>

// The picture of the title window: a strip of the field with walls, the marks А and Б,
// the grey trace of a walk and the red executor at its end. It is painted whenever it is
// exposed rather than kept as an image: the window's own buffer already holds its pixels,
// and a second copy would stay in memory all the time the pupil works.
class TitlePicture : public QWidget
{
    Q_OBJECT

public:
    explicit TitlePicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
