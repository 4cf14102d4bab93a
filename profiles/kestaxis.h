#pragma once
#include <QWidget>
class KestAxis : public QWidget
{
    Q_OBJECT
public:
    explicit KestAxis(QWidget *parent = nullptr);
};
