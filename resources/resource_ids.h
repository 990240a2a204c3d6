// Identifiers of Quiltmark's resources, commands, controls and strings.
// Shared by the resource scripts, the program and the UI test driver; plain
// #defines only, so that windres can read it too.
//
// Ranges:
//   100 - 199      resources: dialogs, menus, bitmaps, icons, cursors
//   30980, 30981   the split-bar cursors (numbers of the classic framework)
//   1000 - 1099    control ids on dialogs and on the form view
//   7000 - 7099    message texts of the program (string table)
//   7500 - 7599    texts of the insertion dialogs and structured insertions
//   7100 - 7199    message texts of the authoring commands
//   7200 - 7299    message texts of the documents and character codes
//   32771 - 33025  the program's own menu and toolbar commands
//   50000 - 50110  user-defined tags and bookmarks
//   57344 - 59999  framework commands, strings and status-bar indicators
//                  (same numbers as the classic Windows application framework)
//   60001 - 60005  FTP local-list commands and the Alt+R preview refresh
// A command's status-bar prompt and tooltip live in the string table under the
// command's own id, as "prompt\ntooltip".
#pragma once

// ---- Resources ------------------------------------------------------------
#define IDD_ABOUTBOX          100
#define IDD_QUILTMARK_FORM    101   // the main view's form
#define IDR_MAINFRAME         128   // menu bar, accelerators, toolbar, icon, document string
#define IDB_TABIMAGES         130   // 18 x 18 images of the three tabs
#define IDC_HANDCURSOR        137
#define IDD_FTPSETTINGS       138
#define IDC_BUSYCURSOR        150
#define IDD_OPTIONS           154
#define IDD_USERTAG           155
#define IDD_TOOLS             157
#define IDD_INPUTNAME         158
#define IDR_REMOTELIST_MENU   160
#define IDR_LOCALLIST_MENU    161
#define IDR_EDITOR_MENU       163   // the editor's right-click menu
#define IDI_FOLDER            179
#define IDC_HSPLITBAR         30980 // cursor over a bar dragged sideways
#define IDC_VSPLITBAR         30981 // cursor over a bar dragged up and down
#define IDR_MANIFEST          1     // common-controls v6 manifest (RT_MANIFEST)
#define RT_TOOLBAR_DATA       241   // resource type of the toolbar button list

// ---- Controls of the form view (dialog 101) -------------------------------
#define IDC_TAB               1000
#define IDC_BROWSER           1002
#define IDC_LOCAL_UP          1005
#define IDC_LOCAL_PATH        1006
#define IDC_LOCAL_LIST        1011
#define IDC_REMOTE_LIST       1012
#define IDC_REMOTE_PATH       1013
#define IDC_REMOTE_UP         1014
#define IDC_LOCAL_BROWSE      1015
#define IDC_REMOTE_GO         1016
#define IDC_FTP_LOG           1017
#define IDC_NO_OVERWRITE      1022
#define IDC_MODE_ASCII        1027
#define IDC_MODE_BINARY       1028
#define IDC_MODE_AUTO         1029
#define IDC_SPLIT_FTP         1049  // bar between the local and remote lists
#define IDC_SPLIT_SIDE        1050  // bar between editor and preview, side by side
#define IDC_SPLIT_STACKED     1054  // bar between editor and preview, one above the other

// ---- Message texts --------------------------------------------------------
#define IDS_OLD_LIBRARY       7000
#define IDS_NO_LIBRARY        7001
#define IDS_BROWSER_FAILED    7002
#define IDS_MAILER_FAILED     7003
#define IDS_CAPTION_ERROR     7004
#define IDS_RECENT_NONE       7005
#define IDS_TITLE_READ_FAILED 7006
#define IDS_TAB_SOURCE        7010
#define IDS_TAB_PREVIEW       7011
#define IDS_TAB_FTP           7012
#define IDS_FTP_LOG_START     7013
#define IDS_OPEN_FAILED       7014
#define IDS_NO_FILE_NAME      7015
#define IDS_EXIT_ITEM         7016
#define IDS_TOOL_FAILED       7017
#define IDS_DROPPED_FOLDER    7018
#define IDS_CAPTION_CONFIRM   7019
#define IDS_PREVIEW_NOT_WRITTEN 7020
#define IDS_PREVIEW_TEXT_KEPT 7021
#define IDS_WRITE_REASON      7022
#define IDS_WRITE_DENIED      7023
#define IDS_WRITE_NO_FOLDER   7024
#define IDS_WRITE_DISK_FULL   7025
#define IDS_WRITE_OTHER       7026

// ---- Frame: find and replace, options (154), tools (157), about box (100) --
#define IDB_HOMEPAGE          185   // the about box's picture
// Strings
#define IDS_FIND_PLACEHOLDER        7400
#define IDS_OPTIONS_PAGE_EDITOR     7401
#define IDS_OPTIONS_PAGE_GENERAL    7402
#define IDS_OPTIONS_PAGE_FTP        7403
#define IDS_OPTIONS_FTP_EXPLANATION 7404
#define IDS_OPTIONS_LIST_REFUSED    7405
#define IDS_TOOLS_ENTRY             7406
#define IDS_TOOLS_FILTER            7407
#define IDS_TOOLS_INCOMPLETE        7408
#define IDS_TOOLS_UPDATED           7409
#define IDS_TOOLS_UPDATED_CAPTION   7410
#define IDS_TOOLS_DELETED           7411
#define IDS_TOOLS_DELETED_CAPTION   7412
#define IDS_ABOUT_LIBRARY           7413
#define IDS_ABOUT_LIBRARY_UNKNOWN   7414
#define IDS_ABOUT_LIBRARY_MISSING   7415
#define IDS_ABOUT_PICTURE_TIP       7416
#define IDS_ABOUT_VERSION           7417  // followed by the version number
// Options dialog 154
#define IDC_OPT_TAB                 1000
#define IDC_OPT_ASCII_LIST          1001
#define IDC_OPT_COLOUR_BACKGROUND   1005
#define IDC_OPT_COLOUR_TEXT         1014
#define IDC_OPT_COLOUR_TAGS         1015
#define IDC_OPT_COLOUR_QUOTED       1016
#define IDC_OPT_HTTP                1022
#define IDC_OPT_COLOUR_COMMENTS     1023
#define IDC_OPT_GROUP_COLOURS       1034
#define IDC_OPT_GROUP_OTHER         1035
#define IDC_OPT_GROUP_CLICKABLE     1036
#define IDC_OPT_LABEL_BACKGROUND    1037
#define IDC_OPT_COLOUR_REFERENCES   1041
#define IDC_OPT_COLOUR_UNDERLINE    1042
#define IDC_OPT_COLOUR_OTHER        1043
#define IDC_OPT_FTP                 1044
#define IDC_OPT_MAIL                1045
#define IDC_OPT_WRAP                1047
#define IDC_OPT_DEFAULTS            1048
#define IDC_OPT_HTTPS               1055
#define IDC_OPT_LABEL_TEXT          1056  // labels of colours 1-7: 1056 - 1062
#define IDC_OPT_LABEL_OTHER         1062
#define IDC_OPT_MOST_FRONT          1063
#define IDC_OPT_MOST_BIG            1064
#define IDC_OPT_SMALL_TAG           1065
#define IDC_OPT_ASCII_EXPLANATION   1066
#define IDC_OPT_SIDE_BY_SIDE        1067
#define IDC_OPT_AUTO_BACKUP         1068
#define IDC_OPT_NEW_HTML_FILE       1069
#define IDC_OPT_RULER               1071
#define IDC_OPT_LINE_NUMBERS        1072
// External tools dialog 157
#define IDC_TOOLS_PATH              1001
#define IDC_TOOLS_BROWSE            1005
#define IDC_TOOLS_NAME              1006
#define IDC_TOOLS_LIST              1009
#define IDC_TOOLS_DELETE            1014
#define IDC_TOOLS_IS_BROWSER        1022
// About box 100
#define IDC_ABOUT_PICTURE           1003
#define IDC_ABOUT_MAIL              1004
#define IDC_ABOUT_LIBRARY_STATUS    1034
#define IDC_ABOUT_VERSION           1040
#define IDC_ABOUT_LIBRARY_LINK1     1051  // the recommended download page
#define IDC_ABOUT_LIBRARY_LINK2     1053
// ---- Insertion: colour picker, insertion dialogs, structured insertions ----
#define IDD_LINKIMAGE         151   // link and image dialog
#define IDD_TABLE             153
#define IDD_FONTTAG           156
#define IDD_COLORCODE         159
// Link and image dialog (151)
#define IDC_LINK_ADDRESS      1001
#define IDC_LINK_BROWSE       1005
#define IDC_LINK_TITLE        1006
#define IDC_LINK_TARGET       1009
#define IDC_LINK_SAMPLE       1034
#define IDC_LINK_TITLE_LABEL  1035
#define IDC_LINK_ADDRESS_LABEL 1036 // the alternative text's label in image mode
#define IDC_LINK_TARGET_LABEL 1037
// Table dialog (153)
#define IDC_TABLE_ROWS        1001
#define IDC_TABLE_COLUMNS     1006
#define IDC_TABLE_ROWS_SPIN   1039
#define IDC_TABLE_COLUMNS_SPIN 1040
// Font dialog (156)
#define IDC_FONT_COLOUR_NOTE  1007
#define IDC_FONT_FACE         1009
#define IDC_FONT_SIZE         1010
#define IDC_FONT_COLOUR       1014
// Colour-code dialog (159)
#define IDC_CODE_RED          1001
#define IDC_CODE_PICKER       1005
#define IDC_CODE_GREEN        1006
#define IDC_CODE_BLUE         1013
#define IDC_CODE_HEX          1017
#define IDC_CODE_RGB_TEXT     1034
#define IDC_CODE_HEX_TEXT     1036
// Texts (7500 - 7599)
#define IDS_LINK_DIALOG_TITLE 7500
#define IDS_IMAGE_DIALOG_TITLE 7501
#define IDS_LINK_SAMPLE       7502
#define IDS_IMAGE_SAMPLE      7503
#define IDS_LINK_ADDRESS_LABEL 7504
#define IDS_IMAGE_ALT_LABEL   7505
#define IDS_LINK_TITLE_LABEL  7506
#define IDS_LINK_TARGET_LABEL 7507
#define IDS_LINK_FILTER       7508
#define IDS_IMAGE_FILTER      7509
#define IDS_FONT_NO_COLOUR    7510
#define IDS_FONT_NO_COLOUR_NOTE 7511
#define IDS_TABLE_TOO_LARGE   7512
#define IDS_PICTURE_NOT_FOUND 7513
#define IDS_PICTURE_NOT_READ  7514
// ---- Authoring: the user-tag dialog (155) and its texts ----------------------
#define IDC_USERTAG_START     1001  // start tag, between "<" and ">"
#define IDC_USERTAG_DELETE    1005  // "データを削除して更新"
#define IDC_USERTAG_END       1006  // end tag, between "</" and ">"
#define IDC_USERTAG_SLOT      1009  // slot list "タグ 01" ... "タグ 20"
#define IDC_USERTAG_BAR1      1010  // slot of the first user-tag toolbar button
#define IDC_USERTAG_NAME      1013  // registered name
#define IDC_USERTAG_BAR2      1070  // slot of the second user-tag toolbar button
#define IDC_USERTAG_PICTURE1  1071  // picture of the first user-tag toolbar button
#define IDC_USERTAG_PICTURE2  1072  // picture of the second user-tag toolbar button
#define IDS_USERTAG_SLOT_PREFIX        7100
#define IDS_USERTAG_UNASSIGNED         7101
#define IDS_USERTAG_START_MISSING      7102
#define IDS_USERTAG_ADDED              7103
#define IDS_USERTAG_REGISTERED         7104
#define IDS_USERTAG_DELETED            7105
#define IDS_USERTAG_ADDED_CAPTION      7106
#define IDS_USERTAG_REGISTERED_CAPTION 7107
#define IDS_USERTAG_DELETED_CAPTION    7108
// ---- Documents and character codes: message texts ------------------------
#define IDS_UNSAVED_PROMPT          7200
#define IDS_CAPTION_CAUTION         7201
#define IDS_EDIT_FILE_REFUSED       7202
#define IDS_CONVERT_QUESTION        7203
#define IDS_CAPTION_CONVERT         7204
#define IDS_RECENT_MISSING          7205
#define IDS_CAPTION_OPEN_FAILED     7206
#define IDS_FOLDER_PROMPT           7207
#define IDS_FILTER_OPEN             7208
#define IDS_FILTER_TEXT             7209
#define IDS_FILTER_SAVE             7210
#define IDS_NEW_PAGE_NAME           7211
#define IDS_NKF_MISSING             7212
#define IDS_NKF_EXTENDED_NEEDED     7213
#define IDS_NKF_CODE_NEEDS_LIBRARY  7214
#define IDS_NKF_UTF8_NEEDS_LIBRARY  7215
#define IDS_NKF_SAVED_UNCONVERTED   7216
#define IDS_CAPTION_DOWNLOAD        7217
#define IDS_CAPTION_AFTERWARDS      7218
#define IDS_SAVE_FAILED             7220
#define IDS_SAVE_ORIGINAL_KEPT      7221
#define IDS_READ_FAILED_KEPT        7222
#define IDS_READ_HOLDS_NUL          7223
#define IDS_FILE_READ_ONLY          7224
#define IDS_FILE_IS_FOLDER          7225
#define IDS_FILE_IN_USE             7226
#define IDS_FILE_NOT_FOUND          7227
#define IDS_FILE_TOO_LARGE          7228
#define IDS_FILE_OTHER              7229
#define IDS_BACKUP_NOT_WRITTEN      7230
#define IDS_BACKUP_TEXT_KEPT        7231
#define IDS_ERROR_NUMBER            7232

// ---- Program commands -----------------------------------------------------
#define ID_FORMAT_BOLD              32771
#define ID_EDIT_DELETE              32781
#define ID_EDIT_SELECT_ALL          32782
#define ID_FORMAT_ITALIC            32785
#define ID_FORMAT_UNDERLINE         32786
#define ID_FORMAT_STRIKE            32787
#define ID_INSERT_BR                32788
#define ID_INSERT_LINK              32789
#define ID_INSERT_IMAGE             32790
#define ID_INSERT_HR                32791
#define ID_INSERT_TABLE             32792
#define ID_FORMAT_LEFT              32793
#define ID_FORMAT_CENTER            32794
#define ID_FORMAT_RIGHT             32795
#define ID_CHAR_COMMENT             32796
#define ID_CHAR_NBSP                32797
#define ID_CHAR_LT                  32798
#define ID_CHAR_GT                  32799
#define ID_CHAR_QUOT                32800
#define ID_CHAR_AMP                 32801
#define ID_EDIT_REDO                32812
#define ID_FILE_OPEN_TEXT_AS_HTML   32816
#define ID_HELP_HOMEPAGE            32817
#define ID_HELP_MAIL                32821
#define ID_FORMAT_TT                32822
#define ID_FORMAT_FONT              32823
#define ID_TOOLS_OPTIONS            32827
#define ID_ENDING_DOG               32831
#define ID_VIEW_TAB_SOURCE          32833
#define ID_VIEW_TAB_PREVIEW         32834
#define ID_VIEW_TAB_FTP             32835
#define ID_HELP_FAQ                 32836
#define ID_FTP_CONNECT              32843
#define ID_FTP_DISCONNECT           32844
#define ID_FTP_DOWNLOAD             32845
#define ID_FTP_REMOTE_MKDIR         32847
#define ID_FTP_REMOTE_RENAME        32849
#define ID_FTP_REMOTE_DELETE        32850
#define ID_FTP_TOGGLE               32853
#define ID_FTP_UPLOAD               32854
#define ID_USERTAG_EDIT             32857
#define ID_ENDING_CAT               32864
#define ID_INSERT_DATETIME          32866
#define ID_ENDING_MOUSE             32868
#define ID_EDIT_PASTE_AS_HTML       32870
#define ID_LIST_UNORDERED           32872
#define ID_LIST_ORDERED             32873
#define ID_LIST_DEFINITION          32874
#define ID_DECO_BLINK               32893
#define ID_DECO_SUP                 32894
#define ID_DECO_SUB                 32895
#define ID_DECO_PRE                 32896
#define ID_DECO_H1                  32897
#define ID_DECO_H2                  32898
#define ID_DECO_H3                  32899
#define ID_DECO_H4                  32900
#define ID_DECO_H5                  32901
#define ID_DECO_H6                  32902
#define ID_FILE_RELOAD_SJIS         32913
#define ID_FTP_VIEW_LIST            32918
#define ID_FTP_VIEW_DETAILS         32919
#define ID_FTP_VIEW_LARGE           32920
#define ID_FTP_VIEW_SMALL           32921
#define ID_HELP_TUTORIAL1           32922
#define ID_HELP_TUTORIAL2           32923
#define ID_EDIT_FIND                32925
#define ID_EDIT_REPLACE             32926
#define ID_CODE_EUC                 32929
#define ID_CODE_SJIS                32930
#define ID_CODE_JIS                 32931
#define ID_CODE_UTF8                32933
#define ID_VIEW_SPLIT_REALTIME      32949
#define ID_VIEW_SPLIT_ALTR          32951
#define ID_EDIT_EDITOR_FONT         32953
#define ID_TOOLS_EXTERNAL           32960
#define ID_TOOL_1                   32961   // tools 1 - 5: 32961 - 32965
#define ID_TOOL_5                   32965
#define ID_INSERT_COLORCODE         32969
#define ID_FILE_RECENT_1            32999   // recent files 1 - 5: 32999 - 33003
#define ID_FILE_RECENT_5            33003
#define ID_FTP_SORT_REMOTE_NAME     33017
#define ID_FTP_SORT_REMOTE_DATE     33018
#define ID_FTP_SORT_REMOTE_SIZE     33019
#define ID_FTP_SORT_REMOTE_TYPE     33020
#define ID_FTP_SORT_LOCAL_NAME      33022
#define ID_FTP_SORT_LOCAL_DATE      33023
#define ID_FTP_SORT_LOCAL_SIZE      33024
#define ID_FTP_SORT_LOCAL_TYPE      33025

// ---- User-defined tags and bookmarks --------------------------------------
#define ID_USERTAG_1                50000   // user tags 1 - 20: 50000 - 50019
#define ID_USERTAG_20               50019
#define ID_USERTAG_BAR1             50020
#define ID_USERTAG_BAR2             50021
#define ID_BOOKMARK_SET_1           50101   // set bookmark 1 - 5: 50101 - 50105
#define ID_BOOKMARK_SET_5           50105
#define ID_BOOKMARK_GO_1            50106   // go to bookmark 1 - 5: 50106 - 50110
#define ID_BOOKMARK_GO_5            50110

// ---- Framework commands, strings and indicators ---------------------------
#define IDS_APP_TITLE               57344
#define IDS_IDLE_MESSAGE            57345
#define ID_FILE_NEW                 57600
#define ID_FILE_OPEN                57601
#define ID_FILE_SAVE                57603
#define ID_FILE_SAVE_AS             57604
#define ID_FILE_PAGE_SETUP          57605
#define ID_FILE_PRINT_SETUP         57606
#define ID_FILE_PRINT               57607
#define ID_FILE_PRINT_PREVIEW       57609
#define ID_EDIT_COPY                57634
#define ID_EDIT_CUT                 57635
#define ID_EDIT_PASTE               57637
#define ID_EDIT_UNDO                57643
#define ID_APP_ABOUT                57664
#define ID_APP_EXIT                 57665
#define ID_NEXT_PANE                57680
#define ID_PREV_PANE                57681
#define ID_INDICATOR_KANA           59136
#define ID_INDICATOR_CAPS           59137
#define ID_INDICATOR_NUM            59138
#define ID_INDICATOR_SCRL           59139
#define ID_VIEW_TOOLBAR             59392
#define ID_VIEW_STATUS_BAR          59393

// ---- FTP local-list commands and the preview refresh ----------------------
#define ID_FTP_LOCAL_MKDIR          60001
#define ID_FTP_LOCAL_RENAME         60002
#define ID_FTP_LOCAL_DELETE         60003
#define ID_FTP_LOCAL_EDIT           60004
#define ID_VIEW_REFRESH_PREVIEW     60005

// ---- FTP -------------------------------------------------------------------
// Controls of the FTP settings dialog (138)
#define IDC_FTPSET_SERVER           1001
#define IDC_FTPSET_BROWSE           1005
#define IDC_FTPSET_ACCOUNT          1006
#define IDC_FTPSET_LIST             1011
#define IDC_FTPSET_PASSWORD         1013
#define IDC_FTPSET_NEW              1014
#define IDC_FTPSET_LASTDIR          1015
#define IDC_FTPSET_REGISTER         1016
#define IDC_FTPSET_LOCAL            1017
#define IDC_FTPSET_REMOTE           1021
#define IDC_FTPSET_DIRLAST          1022
#define IDC_FTPSET_DELETE           1023
#define IDC_FTPSET_CONFIRM          1032
#define IDC_FTPSET_PASSIVE          1040
// Controls of the name dialog (158)
#define IDC_INPUT_NAME              1001
#define IDC_INPUT_OLD_NAME          1006
#define IDC_INPUT_PROMPT            1034
// Texts
#define IDS_FTP_INPUT_MISSING       7300
#define IDS_FTP_INPUT_MISSING_LIST  7301
#define IDS_FTP_TABLE_FULL          7302
#define IDS_FTP_UPDATE_BUTTON       7303
#define IDS_FTP_NEW_BUTTON          7304
#define IDS_FTP_UPDATE_NOTE         7305
#define IDS_FTP_NEW_NOTE            7306
#define IDS_FTP_BROWSE_FIRST        7307
#define IDS_FTP_ASK_DISCONNECT      7310
#define IDS_FTP_CAPTION_DISCONNECT  7311
#define IDS_FTP_OPEN_FAILED         7312
#define IDS_FTP_CALLBACK_FAILED     7313
#define IDS_FTP_CONNECT_FAILED      7314
#define IDS_FTP_STATUS_RESOLVING    7315
#define IDS_FTP_STATUS_RESOLVED     7316
#define IDS_FTP_STATUS_CONNECTING   7317
#define IDS_FTP_STATUS_CONNECTED    7318
#define IDS_FTP_STATUS_CLOSING      7319
#define IDS_FTP_STATUS_CLOSED       7320
#define IDS_FTP_CONNECTION_LOST     7321
#define IDS_FTP_DIR_MISSING         7325
#define IDS_FTP_DIR_REPLACED        7326
#define IDS_FTP_BROWSE_LOCAL        7327
#define IDS_FTP_SHELL_OPEN_FAILED   7328
#define IDS_FTP_COLUMN_NAME         7329
#define IDS_FTP_COLUMN_DATE         7330
#define IDS_FTP_COLUMN_SIZE         7331
#define IDS_FTP_COLUMN_TYPE         7332
#define IDS_FTP_NOTHING_SELECTED    7335
#define IDS_FTP_NO_FOLDER_TRANSFER  7336
#define IDS_FTP_CAPTION_SORRY       7337
#define IDS_FTP_ASK_OVERWRITE_NAMED 7338
#define IDS_FTP_ASK_OVERWRITE       7339
#define IDS_FTP_CAPTION_OVERWRITE   7340
#define IDS_FTP_DOWNLOAD_FAILED     7341
#define IDS_FTP_DOWNLOADED_ASCII    7342
#define IDS_FTP_DOWNLOADED_BINARY   7343
#define IDS_FTP_UPLOAD_FAILED       7344
#define IDS_FTP_UPLOADED_ASCII      7345
#define IDS_FTP_UPLOADED_BINARY     7346
#define IDS_FTP_DROP_UPLOADED_ASCII 7347
#define IDS_FTP_DROP_UPLOADED_BINARY 7348
#define IDS_FTP_ASK_DROP_UPLOAD     7349
#define IDS_FTP_CAPTION_TRANSFER    7350
#define IDS_FTP_UNSAFE_NAME         7351
#define IDS_FTP_RENAME_REFUSED      7352
#define IDS_FTP_SAVE_FILTER         7353
#define IDS_FTP_INPUT_EMPTY         7360
#define IDS_FTP_RENAME_TITLE        7361
#define IDS_FTP_RENAME_ARROW        7362
#define IDS_FTP_MKDIR_TITLE         7363
#define IDS_FTP_MKDIR_PROMPT        7364
#define IDS_FTP_MKDIR_CANCELLED     7365
#define IDS_FTP_MKDIR_DONE          7366
#define IDS_FTP_MKDIR_FAILED        7367
#define IDS_FTP_MKDIR_LOCAL_FAILED  7368
#define IDS_FTP_NO_FOLDER_RENAME    7369
#define IDS_FTP_RENAME_CANCELLED    7370
#define IDS_FTP_RENAME_SAME         7371
#define IDS_FTP_RENAME_DONE         7372
#define IDS_FTP_RENAME_FAILED_BOX   7373
#define IDS_FTP_RENAME_FAILED       7374
#define IDS_FTP_ASK_DELETE          7375
#define IDS_FTP_CAPTION_DELETE      7376
#define IDS_FTP_DELETE_CANCELLED    7377
#define IDS_FTP_DELETE_DONE         7378
#define IDS_FTP_DELETE_FAILED       7379
#define IDS_FTP_EDIT_PREVIEW_FILE   7380
