#pragma once

#include <QSplitter>

// A splitter whose borders the keyboard moves as well as the mouse: Tab reaches a border, the arrow
// keys along the splitter move it by Step() pixels (the others pass on), and a border with the focus
// is framed. Assistive technology sees each border as Qt shows a splitter's handle, named by its
// accessible name.
class TKeyboardSplitter : public QSplitter {
    Q_OBJECT
public:
    explicit TKeyboardSplitter(Qt::Orientation orientation, QWidget *parent = nullptr);

    int Step() const { return m_step; }
    void SetStep(int pixels) { m_step = pixels; }

protected:
    QSplitterHandle *createHandle() override;

private:
    int m_step = 10;
};
