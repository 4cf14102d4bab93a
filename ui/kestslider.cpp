#include "kestslider.h"
KestSlider::KestSlider(QWidget *parent)
    : QLabel(parent)
{
}
