# shellcheck shell=bash
# Sourced: born_today NUMBER NAME prints a script for the driver that enters
# record NUMBER on kousin as a user does, NAME born today in 令和, so on a
# caution day in every rhythm.
born_today() {
  cat <<SCRIPT
click baio.Command2
click menyu.Command2
set kousin.Text1(0) "$1"
set kousin.Text2(0) "$2"
set kousin.Text3(0) "令和"
set kousin.Text4(0) "$(($(date +%Y) - 2018))"
set kousin.Text5(0) "$(date +%-m)"
set kousin.Text6(0) "$(date +%-d)"
click kousin.Command2
SCRIPT
}
