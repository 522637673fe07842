/* Names for the numbers that the program and its resource modules share.
   Plain #defines: the resource compiler reads this file too. */
#ifndef QUILLON_RESOURCE_IDS_H
#define QUILLON_RESOURCE_IDS_H

/* Main menu commands */
#define IDM_NEW_FOLDER 201
#define IDM_ADD_FOLDER 202
#define IDM_ADD_FILES 203
#define IDM_REMOVE 204
#define IDM_ERASE 801
#define IDM_CHOOSE_SESSION 802
#define IDM_BURN_IMAGE 803
#define IDM_WRITE_COMPILATION 810
#define IDM_RECORDER_INFO 811
#define IDM_CHECK_UPDATES 898
/* Stands in each recorder submenu until the recorders are known; then it is deleted. */
#define IDM_RECORDER_PLACEHOLDER 1999

/* Project types, the start dialog's commands */
#define IDM_PROJECT_AUDIO 201
#define IDM_PROJECT_VCD 301
#define IDM_PROJECT_SVCD 302
#define IDM_PROJECT_DVD_VIDEO 303
#define IDM_PROJECT_DATA 400
#define IDM_PROJECT_EMPTY 401
#define IDC_START_MENU0 1000
#define IDC_START_MENU1 1001
#define IDC_START_MENU2 1002
#define IDC_START_REBAR 910
#define IDC_START_TOOLBAR 911

/* Main window children */
#define IDC_SHELL_PANE 901
#define IDC_COMPILATION_PANE 902
#define IDC_PROGRESS 903
#define IDC_STATUS 904

/* Operation dialogs */
#define IDC_RECORDER 101
#define IDC_ERASE_KIND 102
#define IDC_VOLUME_NAME 102
#define IDC_SPEED 103
#define IDC_FILE_SYSTEM 104
#define IDC_OPTION_VERIFY 301
#define IDC_OPTION_CLOSE_MEDIA 302
#define IDC_OPTION_RAW 303
#define IDC_OPTION_STAGE 304

/* Update dialog */
#define IDC_UPDATE_TEXT 701
#define IDC_UPDATE_OVERALL_LABEL 702
#define IDC_UPDATE_FILE_PROGRESS 901
#define IDC_UPDATE_OVERALL_PROGRESS 902

/* String table of the language module */
#define IDS_QUICK_ERASE_STARTED 1
#define IDS_OPERATION_SUCCEEDED 2
#define IDS_OPERATION_FAILED 3
#define IDS_FULL_ERASE_STARTED 4
#define IDS_ALL_RECORDERS 5
#define IDS_WRITING_IMAGE_FILE 6
#define IDS_BURN_STARTING 7
#define IDS_FILLING_IMAGE 8
#define IDS_NO_RECORDER 9
#define IDS_SESSION_QUESTION 10
#define IDS_STATUS_ERASING 20
#define IDS_STATUS_DATA_ACTION0 21  /* + data write action 0-6 */
#define IDS_STATUS_TRACK_ACTION0 31 /* + raw CD / track-at-once action 0-4 */

#endif
