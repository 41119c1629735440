// The sorted-draws window and the prediction report (being built).
