#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <memory>

class QSvgRenderer;

// A picture box for the program's own artwork: a scalable drawing (.svg) or a raster image,
// loaded from the resources at first paint and either fitted keeping its proportions or
// stretched over the whole box.
class Picture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(bool proportional READ proportional WRITE setProportional)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)

public:
    explicit Picture(QWidget* parent = nullptr);
    ~Picture() override;

    QString source() const { return source_; }
    void setSource(const QString& source);
    bool proportional() const { return proportional_; }
    void setProportional(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void load() const;
    void render(QPainter& painter, const QRectF& box) const;
    QRectF fitted(const QRectF& box, QSizeF natural) const;

    QString source_;
    bool proportional_ = false;
    bool transparent_ = false;
    mutable bool loaded_ = false;
    mutable std::unique_ptr<QSvgRenderer> svg_;
    mutable QImage image_;
};
