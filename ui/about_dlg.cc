#include "ui/about_dlg.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

const char version[] = "WinKirvo Version 0.94";
const char credits[] =
    "A Go program that reads tactics and weighs groups and territory\n"
    "with small neural networks.\n"
    "Copyright (C) 2026 the WinKirvo developers.";

// A black stone on a corner of the board.
wxBitmap stone_icon() {
    constexpr int size = 32;
    wxBitmap bitmap(size, size);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(wxColour(200, 200, 127)));
    dc.Clear();
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(size / 2, size / 2, size, size / 2);
    dc.DrawLine(size / 2, size / 2, size / 2, size);
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.DrawEllipse(3, 3, size - 6, size - 6);
    dc.SetPen(*wxWHITE_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawEllipse(9, 9, 5, 5);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About WinKirvo") {
    auto* text = new wxBoxSizer(wxVERTICAL);
    text->Add(new wxStaticText(this, wxID_ANY, version), 0, wxBOTTOM, 8);
    text->Add(new wxStaticText(this, wxID_ANY, credits));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, stone_icon()), 0, wxALL, 8);
    row->Add(text, 1, wxALL, 8);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(row, 1, wxEXPAND);
    top->Add(CreateStdDialogButtonSizer(wxOK), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(top);
}
