#pragma once
// CSkinScrollWnd: the frame that gives an existing list window skinned
// scroll bars. It takes the list's place (rectangle, control id, border),
// moves the list into an inner clipping window "LIMIT", narrows the list's
// own bars to one skin cell and keeps them just outside that window, and
// lays two CSkinScrollBar over them. The skin bars follow the list's scroll
// state and pass their scrolling on to the list. When the list window is
// destroyed the frame goes with it and deletes itself.

#include "framework/Wnd.h"
#include "skin/ScrollFrameLayout.h"
#include "skin/SkinScrollBar_win32.h"

namespace zk40 {

class CSkinScrollWnd final : public CWnd {
 public:
  // Wraps list with skin (not owned; it must outlive the list) and returns
  // the frame, which owns itself; null when the frame could not be made,
  // with the list left as it was.
  static CSkinScrollWnd* SkinList(HWND list, HBITMAP skin);

  HWND List() const { return list_; }
  HWND Limit() const { return limit_; }
  const CSkinScrollBar& VerticalBar() const { return vertical_; }
  const CSkinScrollBar& HorizontalBar() const { return horizontal_; }
  skin::CornerMode Corner() const { return corner_; }

 protected:
  bool OnScroll(UINT message, int code, int position, HWND control) override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnPaint() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnSize(UINT type, int width, int height) override;
  void PostNcDestroy() override;

 private:
  CSkinScrollWnd() = default;
  [[nodiscard]] bool Wrap(HWND list, HBITMAP skin);
  static LRESULT CALLBACK ListProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  // The list's own size computation, then its bars narrowed and covered.
  void AfterListNcCalcSize(const RECT& window, RECT& client);
  void ListGone();
  // Copies the list's scroll state to the skin bar of that direction when it differs.
  void SyncBar(CSkinScrollBar& bar);
  void SyncVisibleBars();
  skin::ListScrollBars ListBars() const;

  HWND list_ = nullptr;
  HWND limit_ = nullptr;
  HBITMAP skin_ = nullptr;
  int cell_ = 0;
  CSkinScrollBar horizontal_;
  CSkinScrollBar vertical_;
  skin::CornerMode corner_ = skin::CornerMode::none;
  bool passing_scroll_ = false;
};

}  // namespace zk40
