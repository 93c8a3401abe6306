// Printing a text file: GTK's print operation lays the file out as pages of
// monospaced lines (Paginate_Text_For_Print). The user prints or saves a
// PDF from the desktop's print dialog; unattended (a script or a test), the
// pages are exported as a PDF without a dialog.

#include <gtk/gtk.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/gtk/gtk_text.h"
#include "platform/ui_services.h"

namespace {

struct PRINT_JOB {
    std::vector<std::vector<std::string>> Pages;
};

// An HTML statistics file holds its table as fixed-width rows: the tags go,
// the few entities come back as their characters.
std::string Strip_Html(const std::string& Text)
{
    std::string Out;
    bool bInTag = false;
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (bInTag) {
            bInTag = c != '>';
            continue;
        }
        if (c == '<') {
            bInTag = true;
            continue;
        }
        if (c == '&') {
            static const std::pair<const char*, char> ENTITIES[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'},
                                                                    {"&quot;", '"'}, {"&nbsp;", ' '}};
            bool bDone = false;
            for (const auto& [szName, ch] : ENTITIES) {
                const std::string Name = szName;
                if (Text.compare(i, Name.size(), Name) == 0) {
                    Out.push_back(ch);
                    i += Name.size() - 1;
                    bDone = true;
                    break;
                }
            }
            if (bDone)
                continue;
        }
        Out.push_back(c);
    }
    return Out;
}

void Begin_Print(GtkPrintOperation* pOperation, GtkPrintContext*, gpointer pData)
{
    const PRINT_JOB* pJob = static_cast<const PRINT_JOB*>(pData);
    gtk_print_operation_set_n_pages(pOperation, static_cast<gint>(pJob->Pages.size()));
}

void Draw_Page(GtkPrintOperation*, GtkPrintContext* pContext, gint nPage, gpointer pData)
{
    const PRINT_JOB* pJob = static_cast<const PRINT_JOB*>(pData);
    if (nPage < 0 || nPage >= static_cast<gint>(pJob->Pages.size()))
        return;
    cairo_t* pCairo = gtk_print_context_get_cairo_context(pContext);
    const double fHeight = gtk_print_context_get_height(pContext);
    const double fLine = fHeight / PRINT_LINES_PER_PAGE;
    PangoLayout* pLayout = gtk_print_context_create_pango_layout(pContext);
    PangoFontDescription* pFont = pango_font_description_from_string("Monospace");
    // A line's height in points; the font a little smaller than the line.
    pango_font_description_set_absolute_size(pFont, fLine * 0.8 * PANGO_SCALE);
    pango_layout_set_font_description(pLayout, pFont);
    pango_font_description_free(pFont);
    cairo_set_source_rgb(pCairo, 0, 0, 0);
    double y = 0;
    for (const std::string& Line : pJob->Pages[static_cast<size_t>(nPage)]) {
        const std::string Utf8 = gtk_text::To_Utf8(Line.c_str());
        pango_layout_set_text(pLayout, Utf8.c_str(), -1);
        cairo_move_to(pCairo, 0, y);
        pango_cairo_show_layout(pCairo, pLayout);
        y += fLine;
    }
    g_object_unref(pLayout);
}

}  // namespace

namespace gtk_internal {

bool Print_Document(const char* szPath)
{
    std::vector<unsigned char> Data;
    if (szPath == nullptr || szPath[0] == '\0' || !files::Read_Whole_File(szPath, Data)) {
        Write_Debug_Log("Cannot print \"%s\": the file cannot be read", szPath != nullptr ? szPath : "");
        return false;
    }
    std::string Text(Data.begin(), Data.end());
    const std::string Path = szPath;
    if (Path.size() >= 4 && Path.compare(Path.size() - 4, 4, ".htm") == 0)
        Text = Strip_Html(Text);
    PRINT_JOB Job;
    Job.Pages = Paginate_Text_For_Print(Text, PRINT_LINES_PER_PAGE);

    GtkPrintOperation* pOperation = gtk_print_operation_new();
    gtk_print_operation_set_job_name(pOperation, Path.c_str());
    gtk_print_operation_set_unit(pOperation, GTK_UNIT_POINTS);
    g_signal_connect(pOperation, "begin-print", G_CALLBACK(Begin_Print), &Job);
    g_signal_connect(pOperation, "draw-page", G_CALLBACK(Draw_Page), &Job);
    GtkPrintOperationAction nAction = GTK_PRINT_OPERATION_ACTION_PRINT_DIALOG;
    // The PDF is exported into a temporary of ours, held open, that takes its
    // name once written: a link at the name is replaced, never written
    // through, and a failed export leaves an old PDF as it was.
    std::string Export;
    std::string Temporary;
    FILE* pTemporary = nullptr;
    if (dialogs::Unattended()) {
        Export = Get_Print_Export_File();
        if (Export.empty())
            Export = Path + ".pdf";
        pTemporary = files::Create_Temporary_File(Export.c_str(), Temporary);
        if (pTemporary == nullptr) {
            Write_Debug_Log("Cannot print \"%s\" to \"%s\": %s", szPath, Export.c_str(), files::Error_Text(errno));
            g_object_unref(pOperation);
            return false;
        }
        gtk_print_operation_set_export_filename(pOperation, Temporary.c_str());
        nAction = GTK_PRINT_OPERATION_ACTION_EXPORT;
    }
    GError* pError = nullptr;
    const GtkPrintOperationResult nResult =
        gtk_print_operation_run(pOperation, nAction, GTK_WINDOW(Top_Dialog_Window()), &pError);
    g_object_unref(pOperation);
    if (pTemporary != nullptr) {
        // Only a finished export takes the name.
        const bool bExported = nResult == GTK_PRINT_OPERATION_RESULT_APPLY;
        errno = bExported ? 0 : EIO;
        if (files::Finish_Temporary_File(pTemporary, Temporary, Export.c_str(), bExported, false) !=
                files::REPLACE_DONE &&
            bExported) {
            Write_Debug_Log("Cannot print \"%s\" to \"%s\": %s", szPath, Export.c_str(), files::Error_Text(errno));
            return false;
        }
    }
    if (nResult == GTK_PRINT_OPERATION_RESULT_ERROR) {
        Write_Debug_Log("Cannot print \"%s\": %s", szPath, pError != nullptr ? pError->message : "?");
        g_clear_error(&pError);
        return false;
    }
    // A print the user cancelled is no failure.
    return true;
}

}  // namespace gtk_internal
