// Resource identifiers of the configuration program.
#pragma once

#define IDI_CONFIG 1
#define IDI_PAGE_REMINDER 11
#define IDI_PAGE_PROGRAM 12
#define IDI_PAGE_SHUTDOWN 13
#define IDI_PAGE_SETTINGS 14
#define IDI_PAGE_PLANS 15
