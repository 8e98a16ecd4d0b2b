#pragma once
// CDialog: a window from a dialog template, run modally with the framework's
// own message loop (so PreTranslateMessage sees every message) or created
// modeless as a child page.

#include "framework/Wnd.h"

namespace zk40 {

class CDialog : public CWnd {
 public:
  CDialog(UINT templateId, CWnd* parent) : template_id_(templateId), parent_(parent) {}

  // Runs the dialog until EndDialog; returns its result, or -1 when the
  // window could not be created.
  INT_PTR DoModal();
  // Creates the dialog modeless, as a child page of its parent.
  bool Create();
  // Ends a modal run with result; a modeless dialog is destroyed.
  void EndDialog(INT_PTR result);

  // The owner of a modal run when the parent is no framework object (or
  // there is none): a plain window handle, null for an unowned dialog.
  void SetOwnerWindow(HWND owner) { owner_ = owner; }

  bool IsModal() const { return modal_; }
  CWnd* Parent() const { return parent_; }
  UINT TemplateId() const { return template_id_; }

  // A top-level dialog lets the dialog manager see keyboard navigation.
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  // Returns true to let the system set the focus.
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  static INT_PTR CALLBACK DialogProcedure(HWND, UINT, WPARAM, LPARAM);
  HWND CreateFromTemplate(HWND owner);

  UINT template_id_;
  CWnd* parent_;
  HWND owner_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;
  INT_PTR result_ = 0;
};

}  // namespace zk40
