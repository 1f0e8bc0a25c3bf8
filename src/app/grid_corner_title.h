#pragma once
// The grid's top-left cell: the title of the row-title column ("CH"), drawn as a header
// section of the table, in the colour of the other titles.

#include <QColor>
#include <QWidget>

namespace kw::app {

class GridCornerTitle : public QWidget {
    Q_OBJECT
  public:
    explicit GridCornerTitle(QWidget* parent);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    void setTextColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    QColor colour_;
};

}  // namespace kw::app
