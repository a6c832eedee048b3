#include "ui/about_dlg.h"

#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "ui/art.h"

namespace {

const char credits[] =
    "A Go program that reads tactics and weighs groups and territory\n"
    "with small neural networks.\n"
    "Copyright (C) 2026 the WinKirvo developers.";

}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "About WinKirvo") {
    auto* text = new wxBoxSizer(wxVERTICAL);
    text->Add(new wxStaticText(this, wxID_ANY, version_text), 0, wxBOTTOM, 8);
    text->Add(new wxStaticText(this, wxID_ANY, credits));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, icon_bitmap(32)), 0, wxALL, 8);
    row->Add(text, 1, wxALL, 8);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(row, 1, wxEXPAND);
    top->Add(CreateStdDialogButtonSizer(wxOK), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(top);
}
