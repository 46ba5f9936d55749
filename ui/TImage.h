#pragma once

#include "ui/TControl.h"

#include <QPixmap>

// A picture from the image resources (ui/Resources.h), fitted to the control with its
// proportions kept, centred.
class TImage : public QWidget, public TControl {
  public:
    static TImage* New(QWidget* parent);
    QWidget* widget() const override;
    void oPicture(const QString& resourceName);
    QString oPicture() const;
    void lTransparent(bool t);
    const QPixmap& picture() const { return m_pixmap; }

  protected:
    explicit TImage(QWidget* parent);
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_name;
    QPixmap m_pixmap;  // at the picture's own size
    QPixmap m_fitted;  // drawn anew at the size it is shown (sharp vector pictures)
};
