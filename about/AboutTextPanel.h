#pragma once

#include "controls/BevelPanel.h"

// The About box's white panel, whose plain labels are read within the box's description rather than
// one by one: assistive technology sees the panel as a pane with only the children whose texts the
// description does not hold (the web address, a link of its own, the logo). A screen reader then reads
// the whole text, a two-word heading and a link included, as the box opens, where it would pass over
// both, and says no panel text again as the focus moves to the link.
class TAboutTextPanel : public TBevelPanel {
    Q_OBJECT
public:
    explicit TAboutTextPanel(QWidget *parent = nullptr);

    // Children of the panel that are read within the box's description, not apart.
    void SetReadWithin(const QList<QWidget *> &readWithin)
    {
        m_readWithin = {readWithin.cbegin(), readWithin.cend()};
    }
    bool IsReadWithin(const QWidget *child) const { return m_readWithin.contains(child); }

private:
    QList<const QWidget *> m_readWithin;
};
