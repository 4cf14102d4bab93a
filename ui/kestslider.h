#pragma once
#include <QLabel>
class KestSlider : public QLabel
{
    Q_OBJECT
public:
    explicit KestSlider(QWidget *parent = nullptr);
};
