#pragma once

#include "controls/BevelPanel.h"

// The About box's white panel, read as one text: assistive technology sees a static text whose name
// is the panel's whole text in reading order, and of its children only those whose texts it does not
// hold already (the web address, a link of its own, the logo), so that a screen reader reads the
// heading and the web address with the rest instead of passing over a two-word heading and a link.
class TAboutTextPanel : public TBevelPanel {
    Q_OBJECT
public:
    explicit TAboutTextPanel(QWidget *parent = nullptr);

    const QString &ReadingText() const { return m_readingText; }
    // `text` holds the texts of `readWithin`, children of the panel, which are then not read apart.
    void SetReadingText(const QString &text, const QList<QWidget *> &readWithin);
    bool IsReadWithin(const QWidget *child) const { return m_readWithin.contains(child); }

private:
    QString m_readingText;
    QList<const QWidget *> m_readWithin;
};
