#include "kestaxis.h"
KestAxis::KestAxis(QWidget *parent)
    : QWidget(parent)
{
}
