// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The picture window: a child window of the main window's MDI area that
// shows one ResultPicture through PicturePainter. The user zooms with the
// wheel (about the pointer), with +/- and with a rectangle dragged with the
// left button; pans with the middle button, with Space and the left button,
// or with the arrow keys; fits the slab to the window with Home or Ctrl+0.
// The value under the pointer and the nearest node of a click are told
// through statusText; a click also through nodeClicked, so that the grid
// viewer of the table can show the node's row. Printing is the main
// window's (printRequested); saving as PNG, SVG or PDF is the window's own.

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "lists/choice/ListKey.h"
#include "lists/picture/ResultPicture.h"
#include "viewer/picture/PicturePainter.h"

class QMenu;
class QRubberBand;

namespace teska {

class Session;

class frmPicture : public QWidget {
    Q_OBJECT

public:
    // \p picture is of value column \p column of list \p key; \p symbol is
    // the column's symbol (shown before the value under the pointer).
    // \p session supplies the texts, the direction of the language and the
    // error reports, and outlives the window.
    frmPicture(Session& session, ResultPicture picture, const ListKey& key, int column, const QString& symbol,
        QWidget* parent = nullptr);
    ~frmPicture() override;

    const ResultPicture& picture() const { return *m_picture; }
    ListKey key() const { return m_key; }
    int column() const { return m_column; }
    // The navigator and Window menu tag: the project's key, "-" and the
    // window title (set by the main window).
    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    // The world rectangle asked for (empty: the whole slab); the painter
    // widens it to the aspect ratio of the plot (layout().World).
    const PictureRect& requestedWorld() const { return m_world; }
    // The layout of the current view in this window's coordinates.
    PictureLayout layout();
    // The options the window draws with (the legend mirrored in a
    // right-to-left language).
    PicturePaintOptions paintOptions() const;

    // Fit to window: the whole slab, kept whole when the window is resized.
    void FitToWindow();
    // Zooms by \p factor (above 1: closer) about the window point \p at,
    // which stays over the same place of the slab.
    void ZoomAt(const QPointF& at, double factor);
    // Shows the slab under the window rectangle \p rectangle.
    void ZoomToRectangle(const QRectF& rectangle);
    // Moves the slab by \p offset window pixels.
    void PanBy(const QPointF& offset);

    // The status text of the pointer at window point \p at: the coordinates
    // and the interpolated value with its unit, or that the point is outside
    // the slab; empty outside the plot.
    QString PointerText(const QPointF& at);
    // A click at \p at: the nearest node's number and row of the list in the
    // status text and a tool tip, and nodeClicked. Returns the node (0: none).
    std::int32_t ClickAt(const QPointF& at);

    // Saves the whole picture to \p path as PNG, SVG or PDF by its
    // extension; false (reported, naming the file) when it cannot be.
    bool SaveAs(const QString& path);
    // The file dialog of the save command, then SaveAs.
    void SaveCommand();
    // How the window is used (the Help item of its menu).
    QString HelpText() const;
    QMenu* contextMenu() const { return m_menu; }

Q_SIGNALS:
    void statusText(const QString& text);
    // A click chose node \p node, in row \p row of the list (0: a row the
    // list leaves out as all zero).
    void nodeClicked(std::int32_t node, std::int32_t row);
    void printRequested();
    // The window is closing: the main window removes its entries.
    void closing(const QString& tag);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Drag { None, Rectangle, Pan };

    void Render();
    void Invalidate();
    void SetWorld(const PictureRect& world);
    QString Text(long id) const;
    QString CoordinateText(double value) const;
    QString ValueWithUnit(double value) const;
    void BuildMenu();

    Session& m_session;
    std::unique_ptr<ResultPicture> m_picture;
    PicturePainter m_painter;
    ListKey m_key;
    int m_column = 0;
    QString m_symbol;
    QString m_tag;
    bool m_rightToLeft = false;

    PictureRect m_world; // empty: fit to window
    PictureLayout m_layout;
    QImage m_cache; // the drawing of m_world at the window's size
    bool m_cacheValid = false;
    bool m_layoutValid = false;

    Drag m_drag = Drag::None;
    QPoint m_pressAt;
    QPoint m_dragAt;
    bool m_spaceHeld = false;
    QRubberBand* m_band = nullptr;
    QMenu* m_menu = nullptr;
};

} // namespace teska
